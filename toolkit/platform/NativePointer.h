// Where on the screen the pointer really was at a native event. The system's mouse events
// name a window and a point in it, and while the pointer crosses from one window to another
// the name can lag behind the point; the display server's own event, which SDL hands over
// just before its translation, carries the point on the screen itself.
#pragma once

#include <SDL.h>

#include <optional>

namespace ns::platform {

// Asks SDL for the display server's own events.
void receiveNativePointerEvents();
struct NativePointer {
    int x = 0, y = 0;      // on the screen, in pixels from its top-left corner
    bool moved = false;    // a move (not a press, a release or a crossing)
    bool held = false;     // the left button down during a move
};

// What a display server's event says of the pointer (a press, a release, a move, a
// crossing); null for any other event.
std::optional<NativePointer> nativePointer(const SDL_Event& event);

} // namespace ns::platform
