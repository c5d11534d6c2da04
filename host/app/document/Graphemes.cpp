#include "Graphemes.h"

#include <algorithm>
#include <iterator>

namespace host::doc {

namespace {

struct Range {
    char32_t first, last;
};

bool within(const Range* begin, const Range* end, char32_t c)
{
    // The tables are sorted: the last range that starts at or before c is the only one that
    // may hold it.
    const Range* after = std::upper_bound(begin, end, c, [](char32_t value, const Range& r) { return value < r.first; });
    return after != begin && c <= std::prev(after)->last;
}

// Marks and extenders that join the character before them (outside the Indic blocks, which
// follow one pattern: see isIndicMark).
const Range kExtenders[] = {
    {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x05BF, 0x05BF}, {0x05C1, 0x05C2},
    {0x05C4, 0x05C5}, {0x05C7, 0x05C7}, {0x0610, 0x061A}, {0x064B, 0x065F}, {0x0670, 0x0670},
    {0x06D6, 0x06DC}, {0x06DF, 0x06E4}, {0x06E7, 0x06E8}, {0x06EA, 0x06ED}, {0x0D81, 0x0D83},
    {0x0DCA, 0x0DCA}, {0x0DCF, 0x0DDF}, {0x0DF2, 0x0DF3}, {0x0E31, 0x0E31}, {0x0E33, 0x0E3A},
    {0x0E47, 0x0E4E}, {0x0EB1, 0x0EB1}, {0x0EB3, 0x0EBC}, {0x0EC8, 0x0ECE}, {0x0F71, 0x0F84},
    {0x0F8D, 0x0FBC}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x200C, 0x200D}, {0x20D0, 0x20FF},
    {0x302A, 0x302F}, {0x3099, 0x309A}, {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F}, {0x1F3FB, 0x1F3FF},
    {0xE0020, 0xE007F}, {0xE0100, 0xE01EF},
};

// Pictographs: what an emoji ZWJ sequence joins.
const Range kPictographs[] = {
    {0x00A9, 0x00A9}, {0x00AE, 0x00AE}, {0x203C, 0x203C}, {0x2049, 0x2049}, {0x2122, 0x2122},
    {0x2139, 0x2139}, {0x2194, 0x21AA}, {0x231A, 0x23FF}, {0x24C2, 0x24C2}, {0x25AA, 0x25FE},
    {0x2600, 0x27BF}, {0x2934, 0x2935}, {0x2B05, 0x2B55}, {0x3030, 0x3030}, {0x303D, 0x303D},
    {0x3297, 0x3297}, {0x3299, 0x3299}, {0x1F000, 0x1F1E5}, {0x1F200, 0x1F3FA}, {0x1F400, 0x1FAFF},
    {0x1FC00, 0x1FFFD},
};

// Characters that stand alone: C0 and C1 controls, the line and paragraph separators, the
// invisible format characters (but the joiners), and broken surrogates.
const Range kControls[] = {
    {0x0000, 0x001F}, {0x007F, 0x009F}, {0x200B, 0x200B}, {0x200E, 0x200F}, {0x2028, 0x202E},
    {0x2060, 0x206F}, {0xD800, 0xDFFF}, {0xFEFF, 0xFEFF},
};

constexpr char32_t kZeroWidthJoiner = 0x200D;

// Devanagari to Malayalam lay their blocks out alike: the signs before the letters, the vowel
// signs and the virama after them.
bool isIndicMark(char32_t c)
{
    if (c < 0x0900 || c > 0x0D7F)
        return false;
    const char32_t at = c & 0x7F;
    return at <= 0x03 || (at >= 0x3A && at <= 0x4F && at != 0x3D) || (at >= 0x51 && at <= 0x57) ||
           at == 0x62 || at == 0x63;
}

bool isExtender(char32_t c)
{
    return isIndicMark(c) || within(std::begin(kExtenders), std::end(kExtenders), c);
}

bool isPictograph(char32_t c)
{
    return within(std::begin(kPictographs), std::end(kPictographs), c);
}

bool isControl(char32_t c)
{
    return within(std::begin(kControls), std::end(kControls), c);
}

bool isRegionalIndicator(char32_t c)
{
    return c >= 0x1F1E6 && c <= 0x1F1FF;
}

bool isHigh(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLow(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

struct CodePoint {
    char32_t c;
    size_t units;
};

// The code point at `i`: a surrogate pair whole, a broken surrogate as itself.
CodePoint at(std::u16string_view text, size_t i)
{
    if (isHigh(text[i]) && i + 1 < text.size() && isLow(text[i + 1]))
        return {0x10000 + ((char32_t{text[i]} - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00), 2};
    return {text[i], 1};
}

// Whether `next` belongs to the character that `previous` is the last code point of so far;
// `regional` counts the regional indicators that character ends with.
bool joins(char32_t previous, char32_t next, int regional)
{
    if (previous == '\r')
        return next == '\n';
    if (isControl(previous) || isControl(next))
        return false;
    if (isExtender(next))
        return true;
    if (previous == kZeroWidthJoiner && isPictograph(next))
        return true;
    return isRegionalIndicator(previous) && isRegionalIndicator(next) && regional % 2 == 1;
}

// Whether nothing before `c` can join it: a character surely starts there.
bool startsCharacter(char32_t c)
{
    return c != '\n' && !isExtender(c) && !isPictograph(c) && !isRegionalIndicator(c);
}

} // namespace

size_t nextCharacterBoundary(std::u16string_view text, size_t offset)
{
    if (offset >= text.size())
        return text.size();
    const CodePoint first = at(text, offset);
    size_t i = offset + first.units;
    char32_t previous = first.c;
    int regional = isRegionalIndicator(first.c) ? 1 : 0;
    while (i < text.size()) {
        const CodePoint next = at(text, i);
        if (!joins(previous, next.c, regional))
            break;
        regional = isRegionalIndicator(next.c) ? regional + 1 : 0;
        previous = next.c;
        i += next.units;
    }
    return i;
}

size_t previousCharacterBoundary(std::u16string_view text, size_t offset)
{
    offset = std::min(offset, text.size());
    if (offset == 0)
        return 0;
    // Back to where a character surely starts, then forward character by character: a run of
    // flags is paired from its start.
    size_t start = offset;
    do {
        start -= start >= 2 && isLow(text[start - 1]) && isHigh(text[start - 2]) ? 2 : 1;
    } while (start > 0 && !startsCharacter(at(text, start).c));
    for (;;) {
        const size_t next = nextCharacterBoundary(text, start);
        if (next >= offset)
            return start;
        start = next;
    }
}

bool isCharacterBoundary(std::u16string_view text, size_t offset)
{
    if (offset == 0 || offset >= text.size())
        return offset <= text.size();
    return nextCharacterBoundary(text, previousCharacterBoundary(text, offset)) == offset;
}

} // namespace host::doc
