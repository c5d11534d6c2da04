// What receives events: views, windows, and whatever owns a tracking area.
#pragma once

#include "Event.h"
#include "Object.h"

namespace ns {

class Responder : public Object {
public:
    virtual void mouseDown(const Event&) {}
    virtual void mouseDragged(const Event&) {}
    virtual void mouseUp(const Event&) {}
    virtual void mouseMoved(const Event&) {}
    virtual void mouseEntered(const Event&) {}
    virtual void mouseExited(const Event&) {}
    virtual void keyDown(const Event&) {}
    virtual void scrollWheel(const Event&) {}

    virtual bool acceptsFirstResponder() const { return false; }
    // Asked when the window makes this the first responder, or moves the focus away; false
    // refuses.
    virtual bool becomeFirstResponder() { return true; }
    virtual bool resignFirstResponder() { return true; }
};

} // namespace ns
