#include "XErrors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <cstdio>

namespace ns::platform {

namespace {

XErrorHandler gPrevious = nullptr;

int onError(Display* display, XErrorEvent* error)
{
    if (error->error_code == BadWindow || error->error_code == BadDrawable) {
        char name[128] = "";
        XGetErrorText(display, error->error_code, name, sizeof name);
        std::fprintf(stderr, "varo-host: the display said %s (request %d) of window 0x%lx, gone already: ignored\n", name,
                     error->request_code, error->resourceid);
        return 0;
    }
    return gPrevious != nullptr ? gPrevious(display, error) : 0;
}

} // namespace

void toleratedGoneWindows()
{
    if (gPrevious != nullptr)
        return;
    // What was in place: SDL's, or the library's own default, which prints the error and ends.
    gPrevious = XSetErrorHandler(onError);
}

} // namespace ns::platform
