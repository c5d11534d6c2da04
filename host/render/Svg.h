// The document as SVG. Other tools and our own checks read this form:
// - the root <svg> declares the SVG and Inkscape namespaces, with the artboard's width,
//   height and viewBox in points;
// - one <g transform="matrix(1 0 0 -1 0 H)"> wraps everything, so that every coordinate
//   inside is an artwork coordinate (y upward);
// - each layer is a <g inkscape:groupmode="layer" inkscape:label="TITLE">, bottom layer
//   first, hidden with style="display:none", locked with sodipodi:insensitive="true" (its
//   namespace declared on that layer alone); each group a <g>; named art carries
//   inkscape:label; all in paint order;
// - a group's dictionary, a layer's too, is its data-dictionary (SvgDictionary.h);
// - a path's d uses absolute M, L (C for curved segments) and Z; its paint is written for
//   display (rgb(...)) and as held (data-fill-color, data-stroke-color: "gray G",
//   "rgb R G B", "cmyk C M Y K");
// - point text is <text transform="translate(X Y) scale(1 -1)"> at its anchor, with its
//   font family, size, anchor from its justification and fill.
#pragma once

#include "document/Document.h"
#include "document/Fonts.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace host::render {

std::string svgOf(const doc::Document& document, const doc::FontList& fonts);
// The same, written to `file` as it is made; false when the file refused a part of it.
bool writeSvg(const doc::Document& document, const doc::FontList& fonts, std::FILE* file);

// Written atomically; a reason naming the file on failure, empty on success.
std::string saveSvg(const doc::Document& document, const doc::FontList& fonts, const std::filesystem::path& path);

} // namespace host::render
