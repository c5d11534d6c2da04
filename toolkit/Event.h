// Input events as the toolkit hands them to responders.
#pragma once

#include "Geometry.h"

#include <cstdint>
#include <string>

namespace ns {

class Window;
class TrackingArea;

enum class EventType { LeftMouseDown, LeftMouseUp, LeftMouseDragged, MouseMoved, MouseEntered, MouseExited, KeyDown, KeyUp, ScrollWheel };

// Modifier flags, as the platform numbers them.
enum : uint32_t {
    ShiftKeyMask = 1u << 17,
    ControlKeyMask = 1u << 18,
    AlternateKeyMask = 1u << 19,
    CommandKeyMask = 1u << 20,
    FunctionKeyMask = 1u << 23,
};

// Virtual key codes of the keys the interface uses, as the platform numbers them.
enum KeyCode : uint16_t {
    KeyReturn = 36,
    KeyTab = 48,
    KeyDelete = 51,
    KeyEscape = 53,
    KeyFunction = 63,
    KeyHome = 115,
    KeyForwardDelete = 117,
    KeyEnd = 119,
    KeyLeft = 123,
    KeyRight = 124,
    KeyDown = 125,
    KeyUp = 126,
};

class Event {
public:
    // `clickCount` counts the presses in quick succession at one place: 2 for a double click.
    static Event mouseEvent(EventType type, Point locationInWindow, uint32_t modifierFlags, Window* window = nullptr,
                            int clickCount = 1)
    {
        Event e;
        e.type_ = type;
        e.location_ = locationInWindow;
        e.modifierFlags_ = modifierFlags;
        e.window_ = window;
        e.clickCount_ = clickCount;
        return e;
    }
    // The wheel turned by `deltaX`, `deltaY` lines (positive: right and up) over the point.
    static Event scrollEvent(Point locationInWindow, double deltaX, double deltaY, uint32_t modifierFlags,
                             Window* window = nullptr)
    {
        Event e = mouseEvent(EventType::ScrollWheel, locationInWindow, modifierFlags, window, 0);
        e.deltaX_ = deltaX;
        e.deltaY_ = deltaY;
        return e;
    }
    // `characters` is what the key types (empty for keys that type nothing).
    static Event keyEvent(uint16_t keyCode, std::string characters, uint32_t modifierFlags, Window* window = nullptr)
    {
        Event e;
        e.type_ = EventType::KeyDown;
        e.keyCode_ = keyCode;
        e.characters_ = std::move(characters);
        e.modifierFlags_ = modifierFlags;
        e.window_ = window;
        return e;
    }

    EventType type() const { return type_; }
    Point locationInWindow() const { return location_; }
    uint32_t modifierFlags() const { return modifierFlags_; }
    uint16_t keyCode() const { return keyCode_; }
    const std::string& characters() const { return characters_; }
    int clickCount() const { return clickCount_; }
    double deltaX() const { return deltaX_; }
    double deltaY() const { return deltaY_; }
    Window* window() const { return window_; }
    // The tracking area an entered, exited or moved event is about.
    TrackingArea* trackingArea() const { return trackingArea_; }
    Event withTrackingArea(EventType type, TrackingArea* area) const
    {
        Event e = *this;
        e.type_ = type;
        e.trackingArea_ = area;
        return e;
    }

private:
    EventType type_ = EventType::MouseMoved;
    Point location_;
    uint32_t modifierFlags_ = 0;
    uint16_t keyCode_ = 0;
    std::string characters_;
    int clickCount_ = 0;
    double deltaX_ = 0, deltaY_ = 0;
    Window* window_ = nullptr;
    TrackingArea* trackingArea_ = nullptr;
};

} // namespace ns
