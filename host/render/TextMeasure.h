// Where the caret stands along a point-text frame's line, as the pictures draw the line:
// cairo's text in the frame's font and size, set from its anchor as its justification says.
#pragma once

#include "document/Document.h"
#include "document/Fonts.h"

#include <vector>

namespace host::render {

// For each UTF-16 offset of the frame's text, 0 to its size, the distance from the anchor
// along the line in points (rightward); an offset inside a character (a surrogate pair's
// second half) stands where the character starts. `pixelsPerPoint` is the scale the line is
// drawn at: cairo rounds glyph advances to its pixels. A type size too large to draw gives the
// host's estimate (TypeTool::estimatedPlaces).
std::vector<double> caretPlaces(const doc::Art& frame, const doc::FontList& fonts, double pixelsPerPoint = 1);

} // namespace host::render
