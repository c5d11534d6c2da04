#include "Xml.h"

#include "document/Unicode.h"

namespace host::render {

namespace {

bool xmlCanHold(char32_t c)
{
    return c >= 0x20 && c != 0xFFFE && c != 0xFFFF;
}

} // namespace

std::string escapeXml(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    appendEscapedXml(out, utf8);
    return out;
}

void appendEscapedXml(std::string& out, std::string_view utf8)
{
    for (size_t i = 0; i < utf8.size();) {
        const char32_t c = doc::nextCodePoint(utf8, i);
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        case '\t': out += "&#9;"; break;
        case '\n': out += "&#10;"; break;
        case '\r': out += "&#13;"; break;
        default: doc::appendUtf8(out, xmlCanHold(c) ? c : char32_t{0xFFFD});
        }
    }
}

} // namespace host::render
