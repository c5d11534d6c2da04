// Where the caret stands along a line of point text, as the pictures draw it, and the caret
// and the selection drawn over the view where those places say.
#include "Documents.h"
#include "TestFolder.h"
#include "TextMeasure.h"
#include "TypeTool.h"
#include "ViewPng.h"

#include <cmath>

namespace {

using namespace render_test;

class CaretPlaces : public testing::Test {
protected:
    Art& line(const std::u16string& text, ATEParagraphJustification justification = kLeftJustify, AIReal size = 20)
    {
        Art& frame = papier_.nouveau(ArtKind::Text, kPlaceAboveAll, nullptr);
        frame.pointText().text = text;
        frame.pointText().anchor = {100, 500};
        frame.pointText().chars.size = size;
        frame.pointText().paras.justification = justification;
        return frame;
    }
    std::vector<double> places(const std::u16string& text, ATEParagraphJustification justification = kLeftJustify)
    {
        return host::render::caretPlaces(line(text, justification), papier_.fonts);
    }

    Papier papier_;
};

TEST_F(CaretPlaces, RunAlongTheLineFromWhereTheJustificationSetsIt)
{
    const std::vector<double> left = places(u"Type it");
    ASSERT_EQ(left.size(), 8u);
    EXPECT_EQ(left.front(), 0) << "left-justified text starts at its anchor";
    for (size_t i = 1; i < left.size(); ++i)
        EXPECT_GT(left[i], left[i - 1]) << i;
    // Each glyph stands after those before it, as the line draws them one after another.
    EXPECT_DOUBLE_EQ(places(u"Type").back(), left[4]);

    const std::vector<double> centred = places(u"Type it", kCenterJustify);
    EXPECT_NEAR(centred.front(), -centred.back(), 1e-9) << "centred on the anchor";
    EXPECT_NEAR(centred.back() - centred.front(), left.back(), 1e-9);
    const std::vector<double> right = places(u"Type it", kRightJustify);
    EXPECT_EQ(right.back(), 0) << "right-justified text ends at its anchor";
    EXPECT_EQ(places(u""), std::vector<double>{0});
}

TEST_F(CaretPlaces, InsideAPairTheCaretStandsWhereItsCharacterStarts)
{
    const std::vector<double> p = places(u"a\U0001F600b\u0301\x0001");
    ASSERT_EQ(p.size(), 7u);
    EXPECT_EQ(p[1], p[2]) << "the second half of the pair";
    EXPECT_GT(p[3], p[2]) << "the emoji, drawn or not, takes room";
    EXPECT_GT(p[6], p[5]) << "a control character is drawn as a replacement, which takes room";
}

TEST_F(CaretPlaces, ATypeSizeTooLargeToDrawIsEstimated)
{
    const Art& huge = line(u"Huge", kLeftJustify, 1e6f);
    EXPECT_EQ(host::render::caretPlaces(huge, papier_.fonts), host::TypeTool::estimatedPlaces(huge));
}

TEST_F(CaretPlaces, TheCaretAndTheSelectionAreDrawnWhereThePlacesSay)
{
    testing_files::TestFolder folder;
    const Art& frame = line(u"ooo");
    const AIArtHandle handle = papier_.dernier();
    const std::vector<double> at = host::render::caretPlaces(frame, papier_.fonts);
    const host::DocumentView view;
    // A point of the artboard in the view's pixels, as the view maps it.
    const AIRealRect shown = view.bounds();
    const auto pixelOf = [&](double x, double y) {
        return AIPoint{static_cast<ai_int32>(std::floor((x - shown.left) * view.zoom())),
                       static_cast<ai_int32>(std::floor((shown.top - y) * view.zoom()))};
    };

    const auto path = folder / "caret.png";
    ASSERT_EQ(host::render::saveViewPng(papier_.document, papier_.fonts, view, {}, path, {}, {handle, 3, 3, 3}), "");
    const Png caret(path);
    const double end = 100 + at[3];
    const AIPoint onCaret = pixelOf(end, 510), beyond = pixelOf(end + 4, 510);
    EXPECT_EQ(caret.rgb(onCaret.h, onCaret.v), 0x000000u) << "the caret at the end of the line";
    EXPECT_EQ(caret.rgb(beyond.h, beyond.v), 0xFFFFFFu);

    ASSERT_EQ(host::render::saveViewPng(papier_.document, papier_.fonts, view, {}, path, {}, {handle, 1, 2, 2}), "");
    const Png selection(path);
    // Above the small letters, inside the line: lit where the second "o" stands, not elsewhere.
    const AIPoint lit = pixelOf(100 + (at[1] + at[2]) / 2, 513), unlit = pixelOf(100 + at[0] + 1, 513);
    const uint32_t tint = selection.rgb(lit.h, lit.v);
    EXPECT_LT(tint >> 16, tint & 0xFF) << "bluer than white";
    EXPECT_EQ(selection.rgb(unlit.h, unlit.v), 0xFFFFFFu);
    EXPECT_EQ(selection.rgb(onCaret.h, onCaret.v), 0xFFFFFFu) << "no caret while something is selected";

    ASSERT_EQ(host::render::saveViewPng(papier_.document, papier_.fonts, view, {}, path, {}, {}), "");
    const Png none(path);
    EXPECT_EQ(none.rgb(onCaret.h, onCaret.v), 0xFFFFFFu) << "nothing typed into, nothing drawn";
}

} // namespace
