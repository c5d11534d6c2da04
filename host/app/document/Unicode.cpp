#include "Unicode.h"

namespace host::doc {

namespace {

bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t nextCodePoint(std::string_view utf8, size_t& i, bool* valid)
{
    const auto invalid = [&] {
        ++i;
        if (valid != nullptr)
            *valid = false;
        return char32_t{0xFFFD};
    };
    const auto lead = static_cast<unsigned char>(utf8[i]);
    char32_t c = 0;
    size_t more = 0;
    char32_t least = 0; // the smallest code point that needs this many bytes
    if (lead < 0x80) {
        c = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        c = lead & 0x1F;
        more = 1;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        c = lead & 0x0F;
        more = 2;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        c = lead & 0x07;
        more = 3;
        least = 0x10000;
    } else {
        return invalid(); // a continuation byte, C0, C1 or F5 to FF as a lead
    }
    if (more > utf8.size() - i - 1)
        return invalid();
    for (size_t k = 1; k <= more; ++k) {
        const auto next = static_cast<unsigned char>(utf8[i + k]);
        if ((next & 0xC0) != 0x80)
            return invalid();
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || isHighSurrogate(c) || isLowSurrogate(c))
        return invalid();
    i += more + 1;
    if (valid != nullptr)
        *valid = true;
    return c;
}

bool utf8ToUtf16(std::string_view utf8, std::u16string* utf16)
{
    std::u16string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        bool valid = false;
        char32_t c = nextCodePoint(utf8, i, &valid);
        if (!valid)
            return false;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    *utf16 = std::move(out);
    return true;
}

std::string utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = utf16[i];
        if (isHighSurrogate(unit) && i + 1 < utf16.size() && isLowSurrogate(utf16[i + 1])) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (utf16[i + 1] - 0xDC00));
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(out, 0xFFFD);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

size_t codePointCount(std::u16string_view utf16)
{
    size_t count = 0;
    for (size_t i = 0; i < utf16.size(); ++i) {
        if (isHighSurrogate(utf16[i]) && i + 1 < utf16.size() && isLowSurrogate(utf16[i + 1]))
            ++i;
        ++count;
    }
    return count;
}

bool isUtf8(std::string_view text)
{
    bool valid = true;
    for (size_t i = 0; i < text.size() && valid;)
        nextCodePoint(text, i, &valid);
    return valid;
}

} // namespace host::doc
