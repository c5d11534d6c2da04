// The host's font list and the Font suite over it. Every test names its fonts: none depends
// on the fonts of the machine it runs on.
#include "DocumentSuites.h"
#include "document/Fonts.h"

namespace {

using FontSuite = testing_document::DocumentSuites;
using host::doc::FontList;
using testing_document::got;

std::string nameOf(const AIFontSuite* font, AIFontKey key)
{
    char name[1024] = {};
    EXPECT_EQ(font->GetFontName(key, name, sizeof name), kNoErr);
    return name;
}

TEST(FontList, NamesGivenAreExactlyTheListAndTheFirstIsTheDefault)
{
    const FontList fonts(std::vector<std::string>{"Zeta Serif", "Alpha Sans", "Zeta Serif"});
    ASSERT_EQ(fonts.size(), 3) << "as given: neither sorted nor made unique";
    EXPECT_EQ((std::vector<std::string>{fonts.name(-1), fonts.name(0), fonts.name(1), fonts.name(2), fonts.name(3)}),
              (std::vector<std::string>{"", "Zeta Serif", "Alpha Sans", "Zeta Serif", ""}));
    EXPECT_EQ(fonts.defaultIndex(), 0);
}

TEST_F(FontSuite, FontsAreListedByIndexAndTheDefaultIsNumberZero)
{
    ASSERT_EQ(got<ai_int32>([&](auto* n) { return font->CountFonts(n); }), 3);
    const auto byIndex = [&](ai_int32 i) { return got<AIFontKey>([&](auto* k) { return font->IndexUserFontList(i, k); }); };
    const auto byNumber = [&](ai_int32 n) { return got<AIFontKey>([&](auto* k) { return font->GetFontKeyByNumber(n, k); }); };
    // Every font has one number, the default's 0; past them there is no font.
    std::vector<std::string> names, numbered;
    for (ai_int32 i = 0; i < 3; ++i) {
        names.push_back(nameOf(font, byIndex(i)));
        numbered.push_back(nameOf(font, byNumber(i)));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha Sans", "Beta Serif", "Gamma Mono"}));
    EXPECT_EQ(numbered, names);
    EXPECT_EQ(byNumber(0), byIndex(host.fonts().defaultIndex()));
    AIFontKey none = reinterpret_cast<AIFontKey>(0x1);
    EXPECT_EQ(font->GetFontKeyByNumber(3, &none), kNameNotFoundErr);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(font->GetFontKeyByNumber(-1, &none), kNameNotFoundErr);

    char name[6] = {};
    ASSERT_EQ(font->GetFontName(byIndex(1), name, sizeof name), kNoErr);
    EXPECT_STREQ(name, "Beta ") << "cut to the buffer, terminator included";

    const FontRef face = got<FontRef>([&](auto* f) { return font->FontFromFontKey(byIndex(1), f); });
    EXPECT_EQ(host.textEngine().find(face, host::doc::TextEngine::Kind::Font)->font, 1);
    EXPECT_EQ(ateFont->Release(face), kNoErr);
    EXPECT_EQ(host.textEngine().liveReferences(), 0);
}

TEST(FontSuiteWithoutFonts, AnEmptyListHasNoDefaultFont)
{
    host::Host host(testing_document::withFonts({}));
    const auto* font = host_test::Acquire<AIFontSuite>(host, kAIFontSuite, kAIFontSuiteVersion);
    ai_int32 count = -1;
    ASSERT_EQ(font->CountFonts(&count), kNoErr);
    EXPECT_EQ(count, 0);
    AIFontKey key = nullptr;
    EXPECT_EQ(font->GetFontKeyByNumber(0, &key), kNameNotFoundErr);
    EXPECT_EQ(font->IndexUserFontList(0, &key), kBadParameterErr);
    char name[8];
    EXPECT_EQ(font->GetFontName(reinterpret_cast<AIFontKey>(1), name, sizeof name), kBadHandleErr);
    EXPECT_EQ(host.basic()->ReleaseSuite(kAIFontSuite, kAIFontSuiteVersion), kNoErr);
}

} // namespace
