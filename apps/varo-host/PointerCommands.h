// The script commands that play the pointer on the selected tool and take pictures of what
// the screen shows: the document view with its annotations, and the cursor.
#pragma once

#include "sdk/ASTypes.h"

#include <ostream>
#include <string>
#include <vector>

namespace host {
class Host;
}

namespace script::pointer {

using Words = std::vector<std::string>;

// Points are artwork coordinates: decimals, maybe negative, within this many points of the
// origin.
constexpr double kFarthestPoint = 1e6;

// Words `first` and on, `count` of them, each a point coordinate: empty when they are, the
// reason otherwise.
std::string checkCoordinates(const Words& w, size_t first, size_t count);
// The point of words `first` and `first` + 1, checked already.
AIRealPoint pointAt(const Words& w, size_t first);

// Each check answers empty when the arguments are good, the reason otherwise.
// `count` coordinates from word `first` on.
std::string checkCoordinates(const Words& w, size_t first, size_t count);
// The point of the two coordinates from word `first` on, once checked.
AIRealPoint pointAt(const Words& w, size_t first);
// `mouse down|drag|up X Y [shift] [option]`
// The keys to hold named from word `first` on: each one of `allowed`, none twice.
std::string checkModifiers(const Words& w, size_t first, const std::vector<std::string>& allowed);
std::string checkMouse(const Words& w);
void mouse(const Words& w, host::Host& h);
// `drag X1 Y1 X2 Y2`: down, kDragSteps drags evenly spaced (the last at the end), up.
constexpr int kDragSteps = 4;
std::string checkDrag(const Words& w);
void drag(const Words& w, host::Host& h);
// `hover X Y [option]`
std::string checkHover(const Words& w);
void hover(const Words& w, host::Host& h);
// `tool-options`
void toolOptions(host::Host& h);

// `select X Y [shift]`: a click of the selection tool at (X, Y), whatever tool is chosen:
// the object there picked (with shift, added or taken away); `select none` picks nothing.
std::string checkSelect(const Words& w);
void select(const Words& w, host::Host& h);
// `move DX DY`: what is picked moved by (DX, DY) points, one step of the history.
std::string checkMove(const Words& w);
void move(const Words& w, host::Host& h);
// `snapshot view|cursor FILE.png`
std::string checkSnapshot(const Words& w);
void snapshot(const Words& w, host::Host& h);
// `print cursor`
void printCursor(host::Host& h, std::ostream& out);

} // namespace script::pointer
