// SVG read into a new document: the host's own files exactly, other SVG as far as the host
// can hold it.
//
// The host's own files (Svg.h) read back into a document that writes the same bytes again,
// with the same layers (title, stacking, hidden, locked), groups, the dictionaries of both
// (data-dictionary, SvgDictionary.h), paths and point texts. Their
// colours are taken as held from data-fill-color and data-stroke-color, where those agree with
// the displayed colour beside them; their numbers are read as 32-bit floats, as written.
// What the bytes cannot tell is read back the one way that writes them again:
// - a path of no point or one point is read open (its closed flag is not written);
// - a closing curve that ends where the path starts, after at least two points, is read as the
//   closing segment, not as one more point on the start (the two write the same data);
// - control points the writer leaves out (an open path's first incoming and last outgoing
//   one) read back on their points, and the smooth or corner flag of a point is guessed from
//   its control points;
// - a dash of nothing but zeros reads back solid, a miter limit below 1 as 1, a paint of a
//   kind written "none" (pattern, gradient, custom colour) as painted with no colour;
// - unset text features read back set to what the writer resolved them to (the default font,
//   12 pt, black, left), a justification as left, centre or right, a font outside the font
//   list (written with no family) as one outside the list again; tracking, leading and
//   indents, the layer colour and overprint, which the file does not hold, are the defaults.
//
// Other SVG opens as far as it goes: svg, g, a, path (every command, arcs as cubic curves),
// rect, circle, ellipse, line, polyline, polygon, text with its tspans, transforms, style
// attributes and presentation attributes inherited as SVG does, Inkscape layers. What the host
// cannot hold is skipped and said in ReadDrawing::skipped, one sentence per kind. The drawing's
// viewBox and size map to points, y upward: artwork y = H - y with H the drawing's height.
//
// Bad input is refused whole with a reason: a file larger than kMostSvgBytes, bytes that are
// not well-formed UTF-8 XML, a document type with an internal subset or entity declarations
// (no entity is expanded but XML's own five and character references), elements nested deeper
// than XmlReader::kDeepest, more than kMostSvgObjects objects or kMostSvgPoints path points, a
// root element that is not <svg>. An object with a coordinate not finite or beyond
// kFarthestSvgCoordinate is skipped and said; so is a group's dictionary that is damaged or
// beyond doc::Dictionary's bounds, the group read without it. Time and memory are linear in
// the file's size.
#pragma once

#include "document/Document.h"
#include "document/Fonts.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace host::render {

// What reading an SVG gave.
struct ReadDrawing {
    std::unique_ptr<doc::Document> document; // null when the file was refused
    // What was not taken, one plain sentence per kind ("an image at line 12 is skipped: the
    // host draws no images"); empty when the drawing was read whole.
    std::vector<std::string> skipped;
    std::string refusal; // why nothing was taken; empty when a document was read
};

constexpr size_t kMostSvgBytes = size_t{64} << 20;
constexpr size_t kMostSvgObjects = 500'000; // layers, groups, paths and texts
constexpr size_t kMostSvgPoints = 4'000'000;
constexpr double kFarthestSvgCoordinate = 1e7; // points, either way from the origin

// `firstHandle` is the new document's first handle (doc::Document(firstHandle)), so that the
// document read continues the handle sequence of the one it replaces. The document is not
// modified and has no changes recorded; its current layer is the top one.
ReadDrawing readSvg(std::string_view text, const doc::FontList& fonts, uintptr_t firstHandle);

// The same from a file; the refusal names the file and says why it was not read (missing, a
// folder, unreadable, larger than kMostSvgBytes, which is told before reading it).
ReadDrawing readSvgFile(const std::filesystem::path& path, const doc::FontList& fonts, uintptr_t firstHandle);

} // namespace host::render
