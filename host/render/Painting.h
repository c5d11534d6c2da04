// Drawing with cairo, shared by the pictures the host writes: the document's art, the view
// with its annotations, the cursor.
#pragma once

#include "document/Document.h"
#include "document/Fonts.h"

#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace host::render {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* cairo) const { cairo_destroy(cairo); }
};

using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

// Point text stands on one line, as the SVG shows it: tabs and line breaks as spaces, the
// other characters no font can show (controls, U+FFFE, U+FFFF) as U+FFFD.
std::string oneLine(std::string_view utf8);

// Selects the family's upright regular face; a sans-serif one where the host has no font (an
// empty family).
void selectFamily(cairo_t* cairo, const std::string& family);

// Paints the document's visible layers, bottom up, in the user space the caller has set:
// artwork coordinates, points, y upward.
void paintDocument(cairo_t* cairo, const doc::Document& document, const doc::FontList& fonts);

// The document's picture at that scale, as a PNG shows it: the artboard on white; null, with
// the reason, when it cannot be made (a scale out of range included).
Surface paintPng(const doc::Document& document, const doc::FontList& fonts, double scale, std::string& reason);

// Writes the surface as a PNG file, atomically: a reason naming the file on failure, empty
// on success.
std::string writePng(cairo_surface_t* surface, const std::filesystem::path& path);
// Writes the surface's PNG bytes into an open file: false when they could not all be written.
bool writePngTo(cairo_surface_t* surface, std::FILE* file);

} // namespace host::render
