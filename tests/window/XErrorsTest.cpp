// The display server's errors, on a display of its own: one about a window already gone is
// said and the session goes on; any other still ends it.
#include "XErrors.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <string>

// After the test framework: the display library's macros (None ...) would clash with it.
#include <X11/Xlib.h>

namespace {

// The display, once it takes a new client: a loaded server may turn one away for a moment.
Display* ouvre()
{
    for (int essai = 0; essai < 100; ++essai) {
        if (Display* display = XOpenDisplay(nullptr))
            return display;
        usleep(20000);
    }
    std::fprintf(stderr, "the display takes no new client\n");
    std::_Exit(3);
}

TEST(XErrors, AWindowGoneIsSaidAndTheSessionGoesOn)
{
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "no display";
    Display* display = ouvre();
    ns::platform::toleratedGoneWindows();
    const Window gone = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
    ns::platform::windowGone(gone);
    XDestroyWindow(display, gone);
    XSync(display, False);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = gone;
    event.xclient.format = 32;
    testing::internal::CaptureStderr();
    XSendEvent(display, gone, False, NoEventMask, &event);
    XMapWindow(display, gone);
    XSync(display, False);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("BadWindow"), std::string::npos) << said;
    EXPECT_NE(said.find("gone already: ignored"), std::string::npos) << said;
    XCloseDisplay(display);
}

TEST(XErrorsDeathTest, AnyOtherErrorStillEndsTheSession)
{
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "no display";
    // Another kind of error, and the same error about a window the session never closed.
    const struct {
        void (*fais)(Display* display);
        const char* dit;
    } erreurs[] = {
        {[](Display* display) { XFreePixmap(display, 0x7654321); }, "BadPixmap"},
        {[](Display* display) { XMapWindow(display, 0x7654321); }, "BadWindow"},
    };
    for (const auto& erreur : erreurs)
        EXPECT_EXIT(
            {
                Display* display = ouvre();
                ns::platform::toleratedGoneWindows();
                erreur.fais(display);
                XSync(display, False);
                std::exit(0);
            },
            testing::ExitedWithCode(1), erreur.dit);
}

} // namespace
