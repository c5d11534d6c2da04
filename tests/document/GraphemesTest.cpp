// Where user-perceived characters begin and end in UTF-16 text: each case is a text given as
// the characters a reader sees in it, which the boundaries must find going forward and back.
#include "document/Graphemes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using host::doc::isCharacterBoundary;
using host::doc::nextCharacterBoundary;
using host::doc::previousCharacterBoundary;

// A broken surrogate cannot be written in a literal.
const std::u16string kLoneHigh(1, char16_t{0xD83D});
const std::u16string kLoneLow(1, char16_t{0xDE00});

TEST(Graphemes, EachCharacterAReaderSeesIsOneStep)
{
    const struct {
        const char* what;
        std::vector<std::u16string> characters;
    } cases[] = {
        {"plain letters", {u"a", u"b", u"c"}},
        {"an accent after its letter", {u"e\u0301", u"x"}},
        {"two accents", {u"e\u0301\u0302", u"o\u0308"}},
        {"a surrogate pair", {u"\U0001F600", u"x"}},
        {"a skin-tone modifier", {u"\U0001F44D\U0001F3FD", u"!"}},
        {"a variation selector", {u"\u263A\uFE0F", u"\u2764\uFE0F"}},
        {"a family joined by ZWJ", {u"\U0001F468\u200D\U0001F469\u200D\U0001F467", u" "}},
        {"a joiner before a letter joins nothing after it", {u"a\u200D", u"b"}},
        {"flags: regional indicators in pairs", {u"\U0001F1EB\U0001F1F7", u"\U0001F1E9\U0001F1EA", u"\U0001F1E9"}},
        {"a flag of tags", {u"\U0001F3F4\U000E0067\U000E0062\U000E0073\U000E0063\U000E0074\U000E007F", u"x"}},
        {"CR LF", {u"a", u"\r\n", u"b"}},
        {"LF CR are two", {u"\n", u"\r"}},
        {"a mark after a control stands alone", {u"\t", u"\u0301", u"a"}},
        {"Devanagari: virama and vowel signs", {u"\u0928", u"\u092E", u"\u0938\u094D", u"\u0924\u0947"}},
        {"Thai: a vowel sign above and a spacing one", {u"\u0E01\u0E33", u"\u0E19\u0E34\u0E49"}},
        {"a kana sound mark", {u"\u304B\u3099", u"\u3042"}},
        {"a broken high surrogate", {kLoneHigh, u"a"}},
        {"a broken low surrogate and a mark", {kLoneLow, u"\u0301"}},
        {"nothing", {}},
    };
    for (const auto& c : cases) {
        std::u16string text;
        std::vector<size_t> boundaries{0};
        for (const std::u16string& character : c.characters) {
            text += character;
            boundaries.push_back(text.size());
        }
        std::vector<size_t> forward{0}, backward{text.size()};
        while (forward.back() < text.size())
            forward.push_back(nextCharacterBoundary(text, forward.back()));
        while (backward.front() > 0)
            backward.insert(backward.begin(), previousCharacterBoundary(text, backward.front()));
        EXPECT_EQ(forward, boundaries) << c.what;
        EXPECT_EQ(backward, boundaries) << c.what;
        for (size_t offset = 0; offset <= text.size(); ++offset) {
            const bool expected = std::find(boundaries.begin(), boundaries.end(), offset) != boundaries.end();
            EXPECT_EQ(isCharacterBoundary(text, offset), expected) << c.what << " at " << offset;
        }
    }
}

TEST(Graphemes, FromInsideACharacterTheStepsReachItsEnds)
{
    const std::u16string family = u"x\U0001F468\u200D\U0001F469y"; // x, the pair joined, y
    for (size_t inside = 2; inside < 6; ++inside) {
        EXPECT_EQ(previousCharacterBoundary(family, inside), 1u) << inside;
        EXPECT_FALSE(isCharacterBoundary(family, inside)) << inside;
    }
    EXPECT_EQ(previousCharacterBoundary(family, 99), 6u) << "beyond the end: from the end";
    EXPECT_EQ(nextCharacterBoundary(family, 99), family.size());
    EXPECT_FALSE(isCharacterBoundary(family, 99));
}

TEST(Graphemes, ALongRunOfFlagsPairsFromItsStart)
{
    // Back from the end, the run is paired from its start, however long.
    std::u16string flags;
    for (int i = 0; i < 501; ++i)
        flags += u"\U0001F1EB";
    EXPECT_EQ(previousCharacterBoundary(flags, flags.size()), flags.size() - 2) << "the last, odd one, alone";
    EXPECT_EQ(previousCharacterBoundary(flags, flags.size() - 2), flags.size() - 6);
    EXPECT_FALSE(isCharacterBoundary(flags, 2));
    EXPECT_TRUE(isCharacterBoundary(flags, 4));
}

} // namespace
