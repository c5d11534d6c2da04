#include "KeyboardEvents.h"

namespace ns {

namespace {

std::deque<KeyboardEvent>& queue()
{
    static std::deque<KeyboardEvent> posted;
    return posted;
}

} // namespace

EventRef EventCreateKeyboardEvent(EventSourceRef, uint16_t virtualKey, bool keyDown)
{
    return new KeyboardEvent{virtualKey, keyDown};
}

void EventPost(EventTapLocation, EventRef event)
{
    if (event != nullptr)
        queue().push_back(*event);
}

void Release(EventRef event)
{
    delete event;
}

std::deque<KeyboardEvent> takePostedEvents()
{
    std::deque<KeyboardEvent> taken;
    taken.swap(queue());
    return taken;
}

bool hasPostedEvents()
{
    return !queue().empty();
}

} // namespace ns
