#include "NativePointer.h"

#include <SDL_syswm.h>

namespace ns::platform {

void receiveNativePointerEvents()
{
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

std::optional<std::pair<int, int>> nativePointerPlace(const SDL_Event& event)
{
    if (event.type != SDL_SYSWMEVENT || event.syswm.msg == nullptr)
        return std::nullopt;
#if defined(SDL_VIDEO_DRIVER_X11)
    if (event.syswm.msg->subsystem == SDL_SYSWM_X11) {
        const XEvent& x = event.syswm.msg->msg.x11.event;
        switch (x.type) {
        case ButtonPress:
        case ButtonRelease:
            return std::make_pair(x.xbutton.x_root, x.xbutton.y_root);
        case MotionNotify:
            return std::make_pair(x.xmotion.x_root, x.xmotion.y_root);
        case EnterNotify:
        case LeaveNotify:
            return std::make_pair(x.xcrossing.x_root, x.xcrossing.y_root);
        default:
            return std::nullopt;
        }
    }
#endif
    return std::nullopt;
}

} // namespace ns::platform
