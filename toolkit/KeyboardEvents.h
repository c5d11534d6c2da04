// Keyboard events made by code and posted to the event queue, as the platform's event
// services do. Whoever runs the event loop takes them from the queue in order.
#pragma once

#include <cstdint>
#include <deque>

namespace ns {

struct KeyboardEvent {
    uint16_t keyCode = 0;
    bool keyDown = true;
};

using EventRef = KeyboardEvent*;
using EventSourceRef = void*;
enum EventTapLocation { HIDEventTap = 0, SessionEventTap = 1, AnnotatedSessionEventTap = 2 };

// A new event the caller owns: give it back with Release. `source` may be null.
EventRef EventCreateKeyboardEvent(EventSourceRef source, uint16_t virtualKey, bool keyDown);
// Queues a copy of the event; a null event is ignored.
void EventPost(EventTapLocation tap, EventRef event);
void Release(EventRef event);

// The events posted and not yet taken, oldest first; taking empties the queue.
std::deque<KeyboardEvent> takePostedEvents();
bool hasPostedEvents();

} // namespace ns
