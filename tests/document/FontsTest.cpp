// The host's font list and the Font suite over it. Every test names its fonts: none depends
// on the fonts of the machine it runs on.
#include "DocumentSuites.h"
#include "document/Fonts.h"

namespace {

using FontSuite = testing_document::DocumentSuites;
using host::doc::FontList;

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
    EXPECT_EQ(fonts.name(0), "Zeta Serif");
    EXPECT_EQ(fonts.name(1), "Alpha Sans");
    EXPECT_EQ(fonts.name(2), "Zeta Serif");
    EXPECT_EQ(fonts.name(3), "");
    EXPECT_EQ(fonts.name(-1), "");
    EXPECT_EQ(fonts.defaultIndex(), 0);
}

TEST_F(FontSuite, FontsAreListedByIndexAndTheDefaultIsNumberZero)
{
    ai_int32 count = 0;
    ASSERT_EQ(font->CountFonts(&count), kNoErr);
    ASSERT_EQ(count, 3);
    std::vector<std::string> names;
    for (ai_int32 i = 0; i < count; ++i) {
        AIFontKey key = nullptr;
        ASSERT_EQ(font->IndexUserFontList(i, &key), kNoErr);
        EXPECT_EQ(key, reinterpret_cast<AIFontKey>(static_cast<uintptr_t>(i) + 1));
        names.push_back(nameOf(font, key));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha Sans", "Beta Serif", "Gamma Mono"}));

    AIFontKey byNumber = nullptr;
    ASSERT_EQ(font->GetFontKeyByNumber(0, &byNumber), kNoErr);
    AIFontKey first = nullptr;
    ASSERT_EQ(font->IndexUserFontList(host.fonts().defaultIndex(), &first), kNoErr);
    EXPECT_EQ(byNumber, first);
    EXPECT_EQ(nameOf(font, byNumber), "Alpha Sans");
    // Every font has one number; past them there is no font.
    std::vector<std::string> numbered;
    for (ai_int32 number = 0; number < count; ++number) {
        ASSERT_EQ(font->GetFontKeyByNumber(number, &byNumber), kNoErr);
        numbered.push_back(nameOf(font, byNumber));
    }
    EXPECT_EQ(numbered, names);
    EXPECT_EQ(font->GetFontKeyByNumber(count, &byNumber), kNameNotFoundErr);
    EXPECT_EQ(byNumber, nullptr);
    EXPECT_EQ(font->GetFontKeyByNumber(-1, &byNumber), kNameNotFoundErr);

    AIFontKey key = nullptr;
    char name[6] = {};
    ASSERT_EQ(font->IndexUserFontList(1, &key), kNoErr);
    ASSERT_EQ(font->GetFontName(key, name, sizeof name), kNoErr);
    EXPECT_STREQ(name, "Beta ") << "cut to the buffer, terminator included";

    FontRef face = nullptr;
    ASSERT_EQ(font->FontFromFontKey(key, &face), kNoErr);
    EXPECT_EQ(host.textEngine().find(face, host::doc::TextEngine::Kind::Font)->font, 1);
    EXPECT_EQ(ateFont->Release(face), kNoErr);
    EXPECT_EQ(host.textEngine().liveReferences(), 0);
}

TEST(FontSuiteWithoutFonts, AnEmptyListHasNoDefaultFont)
{
    host::Host host(testing_document::withFonts({}));
    const void* table = nullptr;
    ASSERT_EQ(host.basic()->AcquireSuite(kAIFontSuite, kAIFontSuiteVersion, &table), kNoErr);
    const auto* font = static_cast<const AIFontSuite*>(table);
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
