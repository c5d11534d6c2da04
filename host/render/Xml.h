// Text made safe for an XML file, attribute values and character data alike.
#pragma once

#include <string>
#include <string_view>

namespace host::render {

// `&`, `<`, `>`, `"` and `'` become entities; tab, line feed and carriage return character
// references (so that an attribute keeps them); every other character XML cannot hold (the
// other control characters, U+FFFE, U+FFFF) and every byte that is not UTF-8 becomes U+FFFD.
// No text can end an element or an attribute early.
std::string escapeXml(std::string_view utf8);
// The same, added to the end of `out`.
void appendEscapedXml(std::string& out, std::string_view utf8);

} // namespace host::render
