// UTF-8 and UTF-16, as the host's strings and its text engine hold them.
#pragma once

#include <string>
#include <string_view>

namespace host::doc {

// UTF-8 to UTF-16, characters beyond the basic plane as surrogate pairs. False, and *utf16
// left as it was, for bytes that are not UTF-8: a stray or missing continuation byte, an
// overlong form, an encoded surrogate, or a code point beyond U+10FFFF.
bool utf8ToUtf16(std::string_view utf8, std::u16string* utf16);

// True when every byte of `text` belongs to a UTF-8 character (as above).
bool isUtf8(std::string_view text);

// The character at byte `i` of `utf8`, `i` moved past it. Bytes that are not UTF-8 (as
// above) give U+FFFD, one byte at a time, and `*valid` false.
char32_t nextCodePoint(std::string_view utf8, size_t& i, bool* valid = nullptr);
// Appends `c` encoded in UTF-8.
void appendUtf8(std::string& out, char32_t c);

// UTF-16 to UTF-8. A unit of a broken surrogate pair (text inserted through the text engine
// may hold one) becomes U+FFFD, so that the result is always UTF-8.
std::string utf16ToUtf8(std::u16string_view utf16);

// The number of characters (code points); a broken surrogate counts as one.
size_t codePointCount(std::u16string_view utf16);

} // namespace host::doc
