// The drawing saved as a person saves it: its SVG and, beside it, its PNG at one pixel a
// point, both or neither.
#pragma once

#include "document/Document.h"
#include "document/Fonts.h"

#include <filesystem>
#include <string>

namespace host::render {

// FILE.svg and FILE.png written together: when either cannot be, the old ones stay as they
// were. The folders missing are made. Empty on success, else the first failure, naming what
// could not be made or written.
std::string saveDrawing(const doc::Document& document, const doc::FontList& fonts, const std::filesystem::path& svg);

// The PNG that goes with an SVG: the same name, ".png".
std::filesystem::path pictureBeside(const std::filesystem::path& svg);

} // namespace host::render
