// What the user does to the document by hand, for scripts: opening a drawing, locking layers,
// deleting art.
#pragma once

#include <ostream>
#include <string>

namespace host {
class Host;
}

namespace script {

// Opens the SVG drawing in the place of the document, as File > Open does (without its
// question: a script is no person); the log says what was left out, or why nothing was.
void openDrawing(const std::string& path, host::Host& h);

// Locks or unlocks every layer titled `title`. Empty when one was found; why not otherwise.
std::string setLayerLocked(host::Host& h, const std::string& title, bool locked);

// Disposes of the top-most art named `name`: the first found from the top layer down, and in
// a layer from what is painted last. Empty when there was one; why not otherwise.
std::string deleteTopmost(host::Host& h, const std::string& name);

// What the selection tool picked, taken away: one step of the history; a warning when nothing
// is picked.
void deleteSelection(host::Host& h);
// What is picked, a line each: its name and its bounds (left top right bottom), or "nothing
// selected".
void printSelection(host::Host& h, std::ostream& out);

// The Edit menu's two items as they read now: "Undo Table", or "nothing to undo"; the same
// for redo.
void printHistory(host::Host& h, std::ostream& out);

} // namespace script
