// The window module's entry: the SDL platform layer, opened for a host that loaded the module.
#include "Platform.h"

#include <type_traits>

extern "C" ns::platform::WindowLayer* varo_open_window_layer(double scale, std::string* reason)
{
    static_assert(std::is_same_v<decltype(&varo_open_window_layer), ns::platform::OpenWindowLayer>);
    std::string why;
    std::unique_ptr<ns::platform::Platform> platform = ns::platform::Platform::open(scale, why);
    if (!platform && reason != nullptr)
        *reason = why;
    return platform.release();
}
