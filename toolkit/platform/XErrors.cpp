#include "XErrors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <algorithm>
#include <cstdio>
#include <deque>

namespace ns::platform {

namespace {

XErrorHandler gPrevious = nullptr;
// The windows destroyed last, oldest first: enough for whatever SDL still has in flight.
std::deque<unsigned long> gGone;
constexpr size_t kGoneKept = 256;

bool gone(unsigned long id)
{
    return std::find(gGone.begin(), gGone.end(), id) != gGone.end();
}

int onError(Display* display, XErrorEvent* error)
{
    if ((error->error_code == BadWindow || error->error_code == BadDrawable) && gone(error->resourceid)) {
        char name[128] = "";
        XGetErrorText(display, error->error_code, name, sizeof name);
        std::fprintf(stderr, "varo-host: the display said %s (request %d) of window 0x%lx, gone already: ignored\n", name,
                     error->request_code, error->resourceid);
        return 0;
    }
    return gPrevious != nullptr ? gPrevious(display, error) : 0;
}

} // namespace

void windowGone(unsigned long id)
{
    gGone.push_back(id);
    if (gGone.size() > kGoneKept)
        gGone.pop_front();
}

void toleratedGoneWindows()
{
    if (gPrevious != nullptr)
        return;
    // What was in place: SDL's, or the library's own default, which prints the error and ends.
    gPrevious = XSetErrorHandler(onError);
}

} // namespace ns::platform
