// The screen windows are placed on.
#pragma once

#include "Geometry.h"

namespace ns {

class Screen {
public:
    static Screen& mainScreen();

    // The whole screen, y upward from its bottom-left corner.
    Rect frame() const { return frame_; }
    void setFrame(const Rect& frame) { frame_ = frame; }
    // The part windows may use (without the menu bar and the dock).
    Rect visibleFrame() const { return visibleFrame_; }
    // Set by whoever knows the real screen; 1440 x 900 with a menu bar until then.
    void setVisibleFrame(const Rect& frame) { visibleFrame_ = frame; }

private:
    Rect frame_{{0, 0}, {1440, 900}};
    Rect visibleFrame_{{0, 0}, {1440, 877}};
};

} // namespace ns
