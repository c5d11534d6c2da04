#include "UnicodeString.h"

#include <utility>

namespace ai {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one character at `i`, moving `i` past it. Overlong forms, surrogates, values past
// U+10FFFF and cut sequences give U+FFFD and consume one byte.
char32_t Decode(std::string_view text, size_t& i)
{
    const auto byte = [&](size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    int extra = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        value = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        value = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        value = lead & 0x07;
        smallest = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + static_cast<size_t>(extra) >= text.size()) {
        ++i;
        return kReplacement;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char next = byte(i + static_cast<size_t>(k));
        if ((next & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++i;
        return kReplacement;
    }
    i += static_cast<size_t>(extra) + 1;
    return value;
}

} // namespace

UnicodeString::UnicodeString(std::string_view utf8)
{
    units_.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const char32_t c = Decode(utf8, i);
        ++characters_;
        if (c >= 0x10000) {
            const char32_t v = c - 0x10000;
            units_.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
            units_.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else {
            units_.push_back(static_cast<char16_t>(c));
        }
    }
}

UnicodeString::UnicodeString(std::u16string units) : units_(std::move(units))
{
    for (size_t i = 0; i < units_.size(); ++i) {
        const bool paire = units_[i] >= 0xD800 && units_[i] <= 0xDBFF && i + 1 < units_.size() &&
                           units_[i + 1] >= 0xDC00 && units_[i + 1] <= 0xDFFF;
        if (paire)
            ++i;
        else if (units_[i] >= 0xD800 && units_[i] <= 0xDFFF)
            units_[i] = static_cast<char16_t>(kReplacement);
        ++characters_;
    }
}

std::string UnicodeString::as_UTF8() const
{
    std::string utf8;
    utf8.reserve(units_.size());
    for (size_t i = 0; i < units_.size(); ++i) {
        char32_t c = units_[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units_.size()) // a pair, as the constructors keep them
            c = 0x10000 + ((c - 0xD800) << 10) + (units_[++i] - 0xDC00);
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (c >> 18));
            utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

} // namespace ai
