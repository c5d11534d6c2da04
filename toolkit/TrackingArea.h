// A rectangle of a view whose owner hears the mouse enter, leave and move across it.
#pragma once

#include "Geometry.h"

#include <cstdint>

namespace ns {

class Responder;

enum : uint32_t {
    TrackingMouseEnteredAndExited = 0x01,
    TrackingMouseMoved = 0x02,
    TrackingActiveInKeyWindow = 0x20,
    TrackingActiveAlways = 0x80,
};

class TrackingArea {
public:
    // `rect` in the view's own coordinates; `owner` is not owned and must outlive the area
    // (it is usually the view itself).
    TrackingArea(Rect rect, uint32_t options, Responder* owner, void* userInfo = nullptr)
        : rect_(rect), options_(options), owner_(owner), userInfo_(userInfo)
    {
    }

    Rect rect() const { return rect_; }
    uint32_t options() const { return options_; }
    Responder* owner() const { return owner_; }
    void* userInfo() const { return userInfo_; }

    // Whether the mouse was inside at the last move the window saw.
    bool mouseInside() const { return inside_; }
    void setMouseInside(bool inside) { inside_ = inside; }

private:
    Rect rect_;
    uint32_t options_;
    Responder* owner_;
    void* userInfo_;
    bool inside_ = false;
};

} // namespace ns
