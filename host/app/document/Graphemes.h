// Where one user-perceived character of UTF-16 text ends and the next begins: the caret
// moves, and Backspace and Delete take away, whole characters as a reader sees them.
//
// An approximation of Unicode's extended grapheme clusters that needs no tables of the whole
// character database. A character is one code point (a surrogate pair together; a broken
// surrogate alone) with what joins it:
// - marks and extenders that follow it: combining marks of the common scripts (the combining
//   diacritical blocks, Hebrew points, Arabic marks, the vowel signs and viramas of the Indic
//   scripts, Thai and Lao marks, the kana sound marks), variation selectors, emoji skin-tone
//   modifiers, the zero-width joiner and non-joiner, and tag characters (flags of regions);
// - after a zero-width joiner, a pictograph (an emoji ZWJ sequence, such as a family);
// - a second regional indicator after a first (a flag), pairs counted from the start of a run;
// - LF after CR.
// Controls (CR and LF among them) stand alone apart from CR LF. Not covered: Hangul syllables
// spelled in jamo, prepended marks, and the rarer scripts' marks, which each count as
// characters of their own.
#pragma once

#include <cstddef>
#include <string_view>

namespace host::doc {

// The boundary after the character that starts at `offset` (a boundary); the text's size at
// or after its end.
size_t nextCharacterBoundary(std::u16string_view text, size_t offset);
// The boundary before `offset`: the start of the character that ends there, or holds it; 0
// at or before the start.
size_t previousCharacterBoundary(std::u16string_view text, size_t offset);
// Whether a character starts (or the text ends) at `offset`.
bool isCharacterBoundary(std::u16string_view text, size_t offset);

} // namespace host::doc
