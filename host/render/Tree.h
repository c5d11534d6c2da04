// The document as indented text, for `print tree`: one line per layer and per art object,
// two spaces deeper per level, in paint order (what paints first comes first).
//
//   layer "TITLE" [locked] [hidden]
//   group "NAME"
//   path "NAME" open|closed (X Y) (X Y) ... fill COLOUR|none [even-odd] stroke COLOUR|none
//       [width W cap C join J miter M] [dash A,B,... offset O]
//   text "NAME" at (X Y) font "FAMILY" size S left|centre|right [tracking T] fill COLOUR "TEXT"
//
// Everything is written as held, whether the exports draw it or not: COLOUR as "gray 0.5",
// "rgb 1 0 0" or "cmyk 0 0 0 1", the dash and the tracking (in thousandths of an em, shown
// only when not 0) included. A point whose control points leave its anchor is written
// (X Y in X Y out X Y). Names and texts are in double quotes, with quotes, backslashes and
// control characters written as in C.
#pragma once

#include "document/Document.h"
#include "document/Fonts.h"

#include <string>

namespace host::render {

std::string treeOf(const doc::Document& document, const doc::FontList& fonts);

} // namespace host::render
