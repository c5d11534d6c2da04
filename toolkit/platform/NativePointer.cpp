#include "NativePointer.h"

#include <SDL_syswm.h>

namespace ns::platform {

void receiveNativePointerEvents()
{
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

std::optional<NativePointer> nativePointer(const SDL_Event& event)
{
    if (event.type != SDL_SYSWMEVENT || event.syswm.msg == nullptr)
        return std::nullopt;
#if defined(SDL_VIDEO_DRIVER_X11)
    if (event.syswm.msg->subsystem == SDL_SYSWM_X11) {
        const XEvent& x = event.syswm.msg->msg.x11.event;
        switch (x.type) {
        case ButtonPress:
        case ButtonRelease:
            return NativePointer{x.xbutton.x_root, x.xbutton.y_root, false, false};
        case MotionNotify:
            return NativePointer{x.xmotion.x_root, x.xmotion.y_root, true, (x.xmotion.state & Button1Mask) != 0};
        case EnterNotify:
        case LeaveNotify:
            return NativePointer{x.xcrossing.x_root, x.xcrossing.y_root, false, false};
        default:
            return std::nullopt;
        }
    }
#endif
    return std::nullopt;
}

} // namespace ns::platform
