// The picture of the document view: the art through the view's zoom and centre, and the
// annotations over it in view pixels.
#include "Documents.h"
#include "TestFolder.h"
#include "ViewPng.h"

namespace {

using namespace render_test;

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0xFF0000;
uint32_t pasteboard()
{
    const auto level = static_cast<uint32_t>(host::render::kPasteboardGray * 255 + 0.5);
    return level << 16 | level << 8 | level;
}

class ViewPicture : public testing::Test {
protected:
    ViewPicture()
    {
        // A black square, 100 points a side, its bottom-left corner at (200, 300).
        Art& square = papier_.chemin(nullptr, {{200, 300}, {300, 300}, {300, 400}, {200, 400}}, true, "square");
        square.path().style.edit().fillPaint = true;
        square.path().style.edit().fill.color = Gris(1);
        square.path().style.edit().strokePaint = false;
    }

    Papier papier_;
    testing_files::TestFolder folder_;
};

TEST_F(ViewPicture, TheArtStandsWhereTheViewMapsItAtEveryZoom)
{
    for (const AIReal zoom : {1.0f, 2.0f, 0.5f}) {
        SCOPED_TRACE(zoom);
        host::DocumentView view;
        ASSERT_TRUE(view.setZoom(zoom));
        const auto path = folder_ / "view.png";
        ASSERT_EQ(host::render::saveViewPng(papier_.document, papier_.fonts, view, {}, path), "");
        const Png picture(path);
        ASSERT_TRUE(picture.ok());
        EXPECT_EQ(picture.width(), view.width());
        EXPECT_EQ(picture.height(), view.height());
        // Well inside and well outside the square, clear of antialiased edges.
        const AIPoint inside = view.artworkToView({250, 350});
        const AIPoint besideSquare = view.artworkToView({150, 350});
        const AIPoint offArtboard = view.artworkToView({-10, 420});
        EXPECT_EQ(picture.rgb(inside.h, inside.v), kBlack);
        EXPECT_EQ(picture.rgb(besideSquare.h, besideSquare.v), kWhite);
        if (zoom <= 1) // nearer, the view shows only the artboard
            EXPECT_EQ(picture.rgb(offArtboard.h, offArtboard.v), pasteboard());
        else
            EXPECT_EQ(picture.rgb(0, 0), kWhite);
        // The square's corners, one pixel in from each.
        const AIPoint topLeft = view.artworkToView({200, 400}), bottomRight = view.artworkToView({300, 300});
        EXPECT_EQ((std::vector<uint32_t>{picture.rgb(topLeft.h + 1, topLeft.v + 1), picture.rgb(topLeft.h - 2, topLeft.v - 2),
                                         picture.rgb(bottomRight.h - 2, bottomRight.v - 2), picture.rgb(bottomRight.h + 1, bottomRight.v + 1)}),
                  (std::vector<uint32_t>{kBlack, kWhite, kBlack, kWhite}));
    }
}

TEST_F(ViewPicture, AnnotationsLieOverTheArtSolidOrDashed)
{
    host::DocumentView view;
    host::AnnotationDrawer drawer;
    drawer.setColor({65535, 0, 0});
    // A solid outline round the square's view rectangle, given with its corners swapped.
    const AIPoint a = view.artworkToView({200, 400}), b = view.artworkToView({300, 300});
    drawer.drawRect({b.h, b.v, a.h, a.v}, false);
    // A dashed outline lower down, over white, and a filled one.
    drawer.setDashed(true);
    const AIRect dashed{100, 800, 180, 860};
    drawer.drawRect(dashed, false);
    drawer.setDashed(false);
    drawer.drawRect({400, 800, 409, 809}, true);
    drawer.setColor({0, 0, 0});
    drawer.drawText("Click and drag to create a table.", {400, 100});

    const auto path = folder_ / "annotated.png";
    ASSERT_EQ(host::render::saveViewPng(papier_.document, papier_.fonts, view, drawer.items(), path), "");
    const Png picture(path);
    ASSERT_TRUE(picture.ok());

    // The solid outline runs through its corner pixels, over the art and beside it.
    for (int x = a.h; x <= b.h; ++x) {
        ASSERT_EQ(picture.rgb(x, a.v), kRed) << x;
        ASSERT_EQ(picture.rgb(x, b.v), kRed) << x;
    }
    EXPECT_EQ(picture.rgb(a.h + 5, a.v + 5), kBlack) << "the art inside stays";

    // Along the dashed top edge: runs of kAnnotationDash red, then as many of white.
    const int dash = static_cast<int>(host::render::kAnnotationDash);
    int red = 0, white = 0;
    for (int x = dashed.left; x < dashed.right; ++x) {
        const bool on = (x - dashed.left) % (2 * dash) < dash;
        EXPECT_EQ(picture.rgb(x, dashed.top), on ? kRed : kWhite) << x;
        (picture.rgb(x, dashed.top) == kRed ? red : white) += 1;
    }
    EXPECT_GT(white, 0) << "the dashes have gaps";
    EXPECT_GT(red, 0);
    EXPECT_EQ(picture.rgb(dashed.left + 5, dashed.top + 5), kWhite) << "an outline is not filled";

    // The filled square covers its corners and stops there.
    EXPECT_EQ((std::vector<uint32_t>{picture.rgb(400, 800), picture.rgb(409, 809), picture.rgb(410, 809), picture.rgb(409, 810)}),
              (std::vector<uint32_t>{kRed, kRed, kWhite, kWhite}));

    // The text stands on its baseline: ink above it, on the right of its start, none below
    // the descenders.
    int inkAbove = 0, inkBelow = 0;
    for (int y = 100 - 12; y < 100; ++y)
        for (int x = 400; x < 600; ++x)
            inkAbove += picture.rgb(x, y) != kWhite;
    for (int y = 105; y < 115; ++y)
        for (int x = 400; x < 600; ++x)
            inkBelow += picture.rgb(x, y) != kWhite;
    EXPECT_GT(inkAbove, 50);
    EXPECT_EQ(inkBelow, 0);
}

// Corners far beyond the view are drawn as their visible part, and quickly. (A picture that
// cannot be written is the pointer-commands script's.)
TEST_F(ViewPicture, AnnotationsFarBeyondTheViewAndBrokenTextAreDrawn)
{
    host::DocumentView view;
    host::AnnotationDrawer drawer;
    drawer.setDashed(true);
    drawer.drawRect({-2000000000, -2000000000, 2000000000, 2000000000}, false);
    drawer.drawText("\xff\x01 broken", {10, 10});
    EXPECT_EQ(host::render::saveViewPng(papier_.document, papier_.fonts, view, drawer.items(), folder_ / "far.png"), "");
}

} // namespace
