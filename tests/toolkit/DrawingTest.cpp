// Drawing into images: pixel-exact fills, focus that comes back, compositing, cursors.
#include "BezierPath.h"
#include "Cursor.h"
#include "Image.h"
#include "RectFill.h"

#include <gtest/gtest.h>

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

TEST(Drawing, ACursorFromTwoRectangleListsIsExactlyThosePixels)
{
    // A cross: white rectangles first, then black ones over them.
    const ns::Rect white[] = {ns::MakeRect(6, 0, 4, 16), ns::MakeRect(0, 6, 16, 4)};
    const ns::Rect black[] = {ns::MakeRect(7, 1, 2, 14), ns::MakeRect(1, 7, 14, 2)};
    auto image = ns::Image::initWithSize({16, 16});
    image->lockFocus();
    ns::GraphicsContext::currentContext()->setShouldAntialias(false);
    ns::Color::whiteColor().set();
    ns::RectFillList(white, 2);
    ns::Color::blackColor().set();
    ns::RectFillList(black, 2);
    image->unlockFocus();
    EXPECT_EQ(ns::GraphicsContext::currentContext(), nullptr) << "the focus goes back to what was before";

    const auto inside = [](const ns::Rect* rects, int x, int y) {
        for (int i = 0; i < 2; ++i)
            if (rects[i].contains({x + 0.5, y + 0.5}))
                return true;
        return false;
    };
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const uint32_t expected = inside(black, x, y) ? kBlack : inside(white, x, y) ? kWhite : kClear;
            ASSERT_EQ(image->pixelAt(x, y), expected) << x << "," << y;
        }

    const ns::Cursor cursor = ns::Cursor::initWithImage(image, {8, 8});
    cursor.set();
    EXPECT_EQ(ns::Cursor::currentCursor().image(), image);
    EXPECT_EQ(ns::Cursor::currentCursor().hotSpot(), (ns::Point{8, 8}));
    ns::Cursor::arrowCursor().set();
    EXPECT_EQ(ns::Cursor::currentCursor().name(), "arrow");
    EXPECT_EQ(ns::Cursor::pointingHandCursor().image()->size(), (ns::Size{16, 16}));
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

    EXPECT_PRED2(Near, outer->pixelAt(0, 0), 0xFF808080u) << "half black over white";
    EXPECT_PRED2(Near, outer->pixelAt(1, 0), 0x80000000u) << "half black instead of white";
    EXPECT_EQ(outer->pixelAt(2, 0), kClear);
    EXPECT_EQ(outer->pixelAt(3, 0), kWhite);
    EXPECT_EQ(outer->pixelAt(2, 2), kBlack) << "the inner image composited at (2, 2)";
    EXPECT_EQ(outer->pixelAt(3, 3), kBlack);
    EXPECT_EQ(outer->pixelAt(1, 3), kWhite);
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
