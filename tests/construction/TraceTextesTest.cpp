// The title and cell texts as the host's document and text engine receive them.
#include "TableHote.h"
#include "UnicodeString.h"

#include <tuple>

namespace table_test {
namespace {

TEST_F(TableHote, TheWorkedExamplePutsEveryTextAnchorInPlace)
{
    EXPECT_EQ(TraceTextes(), kNoErr);
    const auto titre = Cadres("Title");
    ASSERT_EQ(titre.size(), 1u);
    EXPECT_FLOAT_EQ(titre[0]->pointText().anchor.h, 150);
    EXPECT_FLOAT_EQ(titre[0]->pointText().anchor.v, -18.96f);

    const auto cases = Cadres("Text");
    ASSERT_EQ(cases.size(), 8u) << "rows 2 and 3, the title row has none";
    const float xs[] = {36.75f, 112.25f, 187.75f, 263.25f};
    const float ys[] = {-48.96f, -78.96f};
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_FLOAT_EQ(cases[i]->pointText().anchor.h, xs[i % 4]) << "cell " << i;
        EXPECT_FLOAT_EQ(cases[i]->pointText().anchor.v, ys[i / 4]) << "cell " << i;
    }
    EXPECT_EQ(host_.textEngine().liveReferences(), 0) << "every text-engine reference given back";
}

TEST_F(TableHote, WithoutATitleEveryRowHasCells)
{
    TraceTextes();
    TableauCree = true;
    AvecSansTitre = false;
    TraceTextes();
    EXPECT_EQ(SousGroupes(), std::vector<std::string>{"Text"}) << "the title of the current table removed";
    const auto cases = Cadres("Text");
    ASSERT_EQ(cases.size(), 12u);
    EXPECT_FLOAT_EQ(cases[0]->pointText().anchor.v, -18.96f);

    AvecSansTexte = false;
    TraceTextes();
    EXPECT_TRUE(SousGroupes().empty());
}

TEST_F(TableHote, EveryFrameGetsTheTablesFeatures)
{
    Corps = 9.5;
    NumeroPolice = 2;
    TraceTextes();
    for (const std::string groupe : {"Title", "Text"})
        for (const host::doc::Art* cadre : Cadres(groupe)) {
            SCOPED_TRACE(groupe);
            const host::doc::PointText& t = cadre->pointText();
            EXPECT_EQ(std::make_tuple(t.chars.size, t.chars.font, t.chars.tracking, t.paras.justification,
                                      t.paras.leading, t.paras.startIndent, t.paras.firstLineIndent),
                      std::make_tuple(9.5f, 2, 0, kCenterJustify, kRomanLeadingType, 0.0f, 0.0f));
        }
    // The baseline stays a third of the type size below the row's centre.
    EXPECT_FLOAT_EQ(Cadres("Title")[0]->pointText().anchor.v, -15 - 9.5f * 0.33f);
    EXPECT_FLOAT_EQ(Cadres("Text")[0]->pointText().anchor.v, -45 - 9.5f * 0.33f);
    EXPECT_EQ(Cadres("Title")[0]->pointText().text, u"Title");
    EXPECT_EQ(Cadres("Text")[0]->pointText().text, u"Text");
}

// The text takes its own colour set, through the conversion every element's set goes through
// (each type's components are the colour sets' tests).
TEST_F(TableHote, TheTextColourFollowsItsType)
{
    JeuxCouleurs[ElementTexte] = JeuCouleurs{TypeCMJN, 0, 0, 0, 0, 10, 20, 30, 40};
    TableauCree = true;
    TraceTextes();
    const host::doc::Art* cadre = Cadres("Title").at(0);
    ASSERT_TRUE(cadre->pointText().chars.fill.has_value());
    ASSERT_EQ(cadre->pointText().chars.fill->kind, kFourColor);
    const AIFourColorStyle& f = cadre->pointText().chars.fill->c.f;
    EXPECT_EQ(std::make_tuple(f.cyan, f.magenta, f.yellow, f.black), std::make_tuple(0.1f, 0.2f, 0.3f, 0.4f));
    // A type that is none of the three: the text keeps the engine's own fill.
    JeuxCouleurs[ElementTexte].TypeCouleur = 7;
    TraceTextes();
    EXPECT_FALSE(Cadres("Title").at(0)->pointText().chars.fill.has_value());
}

// Text as typed, in UTF-8, reaches the frame as UTF-16: characters past the basic plane as
// surrogate pairs, bytes that are not UTF-8 as U+FFFD, nothing cut short.
TEST_F(TableHote, TextsReachTheFrameInUtf16)
{
    const struct {
        const char* utf8;
        std::u16string utf16;
    } cas[] = {
        {"", u""},
        {"Prix \xE2\x82\xAC", u"Prix \u20AC"},
        {"\xC3\xA9t\xC3\xA9", u"\u00E9t\u00E9"},
        {"\xF0\x9F\x93\x8A chart", u"\U0001F4CA chart"},
        {"a\xFF" "b", u"a\uFFFDb"},
        {"\xC0\xAF", u"\uFFFD\uFFFD"},           // an overlong '/'
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"}, // a surrogate written in UTF-8
        {"cut \xF0\x9F\x93", u"cut \uFFFD\uFFFD\uFFFD"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.utf8);
        std::strcpy(TitreTableau, c.utf8);
        std::strcpy(TexteCase, c.utf8);
        TableauCree = true;
        TraceTextes();
        EXPECT_EQ(Cadres("Title").at(0)->pointText().text, c.utf16);
        EXPECT_EQ(Cadres("Text").at(0)->pointText().text, c.utf16);
    }
    EXPECT_EQ(ai::UnicodeString("\xF0\x9F\x93\x8A!").length(), 2u);
}

// The host refusing a step of one frame leaves that frame as it is and the build goes on.
TEST_F(TableHote, AFrameTheHostRefusesStaysEmptyAndTheOthersAreMade)
{
    const struct {
        const char* suite;
        const char* operation;
        bool texte;  // the text still goes in
        bool police; // the font still set
    } cas[] = {
        {kAITextFrameSuite, "GetATETextRange", false, false},
        {kAIFontSuite, "IndexUserFontList", true, false},
        {kAIFontSuite, "FontFromFontKey", true, false},
        {"ATE Text Range Suite", "InsertAfter", false, true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.operation);
        TableauCree = true;
        host_.faults().failOperation(c.suite, c.operation, kCantHappenErr);
        TraceTextes();
        host_.faults().clear();
        const auto cases = Cadres("Text");
        ASSERT_EQ(cases.size(), 8u);
        for (const host::doc::Art* cadre : cases) {
            EXPECT_EQ(cadre->pointText().text.empty(), !c.texte);
            EXPECT_EQ(cadre->pointText().chars.font.has_value(), c.police);
        }
        EXPECT_FLOAT_EQ(cases[7]->pointText().anchor.h, 263.25f) << "every frame still moved to its cell";
        EXPECT_EQ(host_.textEngine().liveReferences(), 0);
    }
}

} // namespace
} // namespace table_test
