// What the platform layer shows of one toolkit window: where it stands on the screen, which
// of the window's points its top-left corner is, and how its pixels are drawn. Whoever owns
// the windows (the host) lists them; the platform makes a native window of each.
#pragma once

#include "Geometry.h"
#include "Image.h"
#include "Window.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ns::platform {

enum class SurfaceKind {
    Document, // the main window: closing it quits
    Utility,  // a panel: above the document, never taking it over
    Dialog,
    Menu, // a pop-up menu: no border, above everything
    ToolTip, // a tip: no border, above everything, never taking the keyboard
};

// A part of a surface and the toolkit window its input goes to.
struct Region {
    Window* window = nullptr;
    Rect area;     // in the surface's points, y downward from its top-left corner
    Point topLeft; // the window's point at the area's top-left corner (y upward)
};

struct Surface {
    Window* window = nullptr; // the window it shows: its identity from one presentation to the next
    SurfaceKind kind = SurfaceKind::Dialog;
    std::string title;
    Rect frame; // on the screen, in points, y upward
    std::vector<Region> regions; // the first that holds a point takes its input
    // Its pixels: frame.size times the scale. Asked for when `version` moved since the
    // last presentation, or always when it is 0 (the pixels are then compared). `spare` is a
    // picture of an earlier presentation, or null, that the drawing may draw into and hand
    // back rather than make one anew.
    std::function<std::unique_ptr<Image>(double scale, std::unique_ptr<Image> spare)> draw;
    uint64_t version = 0;
};

} // namespace ns::platform
