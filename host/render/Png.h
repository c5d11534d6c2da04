// The document as a PNG picture: the artboard on white, antialiased, the fonts found through
// fontconfig, drawn as the SVG export describes it.
#pragma once

#include "document/Document.h"
#include "document/Fonts.h"

#include <filesystem>
#include <string>

namespace host::render {

// Scales a PNG may be made at: 1 is one pixel per point.
constexpr double kLeastPngScale = 0.05;
constexpr double kMostPngScale = 16;

// Empty when `scale` is one a picture can be made at; the reason otherwise.
std::string checkPngScale(double scale);

// Written atomically; a reason naming the file on failure (a scale out of range included),
// empty on success.
std::string savePng(const doc::Document& document, const doc::FontList& fonts, const std::filesystem::path& path,
                    double scale = 1);

} // namespace host::render
