// A group's dictionary as the SVG holds it: the attribute data-dictionary, one JSON object whose
// entries are typed by their JSON kind. A whole number is an integer (32 bits); a number with a
// point or an exponent is a real, written so that it reads back to the same double ("3.0",
// "0.1", "1e+300", "-0.0"); true and false are booleans; a string is a text. The entries are
// written in key order, so that the same dictionary always writes the same bytes.
//
// Reading is strict: anything the writer would not have written is damaged (not JSON, not one
// object, null, an array or an object as a value, a key given twice, a whole number beyond 32
// bits, an empty key, NUL in a key or a text), and anything beyond doc::Dictionary's bounds is
// over the limits; either way nothing of it is taken. Time and memory are linear in the text,
// and the reader stops at the first fault.
#pragma once

#include "document/Dictionary.h"

#include <string>
#include <string_view>

namespace host::render {

// The JSON object; the characters XML cannot hold (U+FFFE, U+FFFF) as escapes, so that the
// attribute keeps every text as it is.
std::string dictionaryJson(const doc::Dictionary& dictionary);

struct ReadDictionary {
    enum class Status { Read, Damaged, TooLarge };
    Status status = Status::Read;
    doc::Dictionary dictionary; // empty unless read
};
ReadDictionary dictionaryFromJson(std::string_view json);

} // namespace host::render
