// The document as a PDF page: the artboard's size, the art as vectors and the texts as text
// (their fonts embedded, the words selectable and searchable), drawn as the PNG draws them.
#pragma once

#include "document/Document.h"
#include "document/Fonts.h"

#include <filesystem>
#include <string>

namespace host::render {

// Written atomically; a reason naming the file on failure, empty on success. The folders
// missing are made.
std::string savePdf(const doc::Document& document, const doc::FontList& fonts, const std::filesystem::path& path);

} // namespace host::render
