// Drawing into images: focus that comes back, compositing, paths. Rectangle lists filled
// pixel-exact and made cursors are checked with the Table Tool's cursors.
#include "BezierPath.h"
#include "Image.h"
#include "RectFill.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF, kBlack = 0xFF000000, kClear = 0;

// Each channel within one step: blending rounds half steps either way.
bool Near(uint32_t a, uint32_t b)
{
    for (int shift = 0; shift < 32; shift += 8) {
        const int x = static_cast<int>((a >> shift) & 0xFF), y = static_cast<int>((b >> shift) & 0xFF);
        if (x - y > 1 || y - x > 1)
            return false;
    }
    return true;
}

TEST(Drawing, FocusNestsAndStateIsSavedAndRestored)
{
    auto outer = ns::Image::initWithSize({4, 4});
    auto inner = ns::Image::initWithSize({2, 2});
    outer->lockFocus();
    ns::GraphicsContext* outerContext = ns::GraphicsContext::currentContext();
    inner->lockFocus();
    ns::Color::blackColor().set();
    ns::RectFill(ns::MakeRect(0, 0, 2, 2));
    inner->unlockFocus();
    EXPECT_EQ(ns::GraphicsContext::currentContext(), outerContext);

    ns::GraphicsContext::saveGraphicsState();
    ns::Color(1, 0, 0).setFill();
    ns::GraphicsContext::restoreGraphicsState();
    EXPECT_EQ(outerContext->fillColor(), ns::Color::blackColor()) << "the restore undoes the red fill";

    // Source-over blends, copy replaces, clear empties.
    ns::Color(1, 1, 1).setFill();
    ns::RectFill(ns::MakeRect(0, 0, 4, 4));
    ns::Color(0, 0, 0, 0.5).setFill();
    ns::RectFillUsingOperation(ns::MakeRect(0, 0, 1, 1), ns::CompositingOperation::SourceOver);
    ns::RectFillUsingOperation(ns::MakeRect(1, 0, 1, 1), ns::CompositingOperation::Copy);
    ns::RectFillUsingOperation(ns::MakeRect(2, 0, 1, 1), ns::CompositingOperation::Clear);
    inner->drawAtPoint({2, 2}, {}, ns::CompositingOperation::SourceOver, 1);
    outer->unlockFocus();
    EXPECT_EQ(ns::GraphicsContext::currentContext(), nullptr) << "the focus goes back to what was before";

    EXPECT_PRED2(Near, outer->pixelAt(0, 0), 0xFF808080u) << "half black over white";
    EXPECT_PRED2(Near, outer->pixelAt(1, 0), 0x80000000u) << "half black instead of white";
    EXPECT_EQ(outer->pixelAt(2, 0), kClear);
    EXPECT_EQ(outer->pixelAt(3, 0), kWhite);
    EXPECT_EQ(outer->pixelAt(2, 2), kBlack) << "the inner image composited at (2, 2)";
    EXPECT_EQ(outer->pixelAt(3, 3), kBlack);
    EXPECT_EQ(outer->pixelAt(1, 3), kWhite);
}

// A flipped context (a slider's) counts y from the top; a picture drawn there, whole or in
// part, still stands upright above its point.
TEST(Drawing, PicturesStandUprightInAFlippedContext)
{
    auto picture = ns::Image::initWithSize({1, 3}); // red at the top, white, black at the bottom
    picture->lockFocus();
    for (const auto& [y, colour] : {std::pair{0, ns::Color::blackColor()}, {1, ns::Color::whiteColor()}, {2, ns::Color(1, 0, 0)}}) {
        colour.setFill();
        ns::RectFill(ns::MakeRect(0, y, 1, 1));
    }
    picture->unlockFocus();
    const struct {
        ns::Rect from;
        std::vector<uint32_t> column; // the canvas's column 1 from its bottom row
    } cases[] = {
        {{}, {kClear, kBlack, kWhite, 0xFFFF0000, kClear}},
        {ns::MakeRect(0, 1, 1, 2), {kClear, kWhite, 0xFFFF0000, kClear, kClear}},
        {ns::MakeRect(0, 0, 1, 2), {kClear, kBlack, kWhite, kClear, kClear}},
    };
    for (const auto& c : cases) {
        auto canvas = ns::Image::initWithSize({2, 5});
        canvas->lockFocus();
        ns::GraphicsContext::currentContext()->flip(5);
        EXPECT_TRUE(ns::GraphicsContext::currentContext()->isFlipped());
        picture->drawAtPoint({1, 4}, c.from, ns::CompositingOperation::SourceOver, 1); // bottom at row 1
        canvas->unlockFocus();
        for (size_t y = 0; y < c.column.size(); ++y)
            EXPECT_EQ(canvas->pixelAt(1, static_cast<int>(y)), c.column[y]) << "row " << y << " of part " << c.from.minY();
        EXPECT_EQ(canvas->pixelAt(0, 2), kClear);
    }
}

TEST(Drawing, PathsFillAndStrokeWithTheContextColours)
{
    auto image = ns::Image::initWithSize({10, 10});
    image->lockFocus();
    ns::GraphicsContext::currentContext()->setShouldAntialias(false);
    ns::Color(0, 0, 1).setFill();
    ns::BezierPath::bezierPathWithRect(ns::MakeRect(2, 2, 6, 6)).fill();
    ns::Color(1, 0, 0).setStroke();
    ns::BezierPath line;
    line.setLineWidth(2);
    line.moveToPoint({0, 9});
    line.lineToPoint({10, 9});
    line.stroke();
    image->unlockFocus();
    EXPECT_EQ(image->pixelAt(5, 5), 0xFF0000FFu);
    EXPECT_EQ(image->pixelAt(1, 5), kClear);
    EXPECT_EQ(image->pixelAt(5, 9), 0xFFFF0000u);
    EXPECT_EQ(image->pixelAt(5, 7), 0xFF0000FFu);
}

} // namespace
