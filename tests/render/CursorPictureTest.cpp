// The cursor's picture and text: its image's pixels exactly, from the top-left corner.
#include "CursorPicture.h"
#include "TestFolder.h"

#include <cairo.h>
#include <gtest/gtest.h>

namespace {

// An image drawn pixel by pixel from rows of characters, top row first: '.' nothing, '#'
// black, 'o' white, '+' half-transparent red, anything else opaque red.
std::shared_ptr<ns::Image> Drawn(const std::vector<std::string>& rows, int width, int height)
{
    auto image = ns::Image::initWithSize({static_cast<double>(width), static_cast<double>(height)});
    cairo_t* cairo = cairo_create(image->surface());
    cairo_set_antialias(cairo, CAIRO_ANTIALIAS_NONE);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        for (int column = 0; column < static_cast<int>(rows[row].size()); ++column) {
            const char c = rows[row][column];
            if (c == '.')
                continue;
            // Rows of a cairo surface run downward, as the cursor's do.
            if (c == '#')
                cairo_set_source_rgba(cairo, 0, 0, 0, 1);
            else if (c == 'o')
                cairo_set_source_rgba(cairo, 1, 1, 1, 1);
            else
                cairo_set_source_rgba(cairo, 1, 0, 0, c == '+' ? 0.5 : 1);
            cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
            cairo_rectangle(cairo, column, row, 1, 1);
            cairo_fill(cairo);
        }
    }
    cairo_destroy(cairo);
    cairo_surface_flush(image->surface());
    return image;
}

const std::vector<std::string> kRows = {
    "#o+.............", ".#o+............", "..#o+...........", "...#o+..........",
    "....#o+.........", ".....#o+........", "......#o+.......", ".......#o+......",
    "........#o+.....", ".........#o+....", "..........#o+...", "...........#o+..",
    "............#o+.", ".............#o+", "+.............#o", "o+.............#",
};

class CursorPicture : public testing::Test {
protected:
    testing_files::TestFolder folder_;
};

TEST_F(CursorPicture, ThePngHoldsTheImagesPixelsExactly)
{
    const ns::Cursor cursor(Drawn(kRows, 16, 16), {7, 8});
    const auto path = folder_ / "cursor.png";
    ASSERT_EQ(host::render::saveCursorPng(cursor, path), "");
    const auto back = ns::Image::imageWithContentsOfFile(path);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->size(), (ns::Size{16, 16}));
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 16; ++column)
            ASSERT_EQ(back->pixelAt(column, 15 - row), cursor.image()->pixelAt(column, 15 - row))
                << column << ", " << row;
    EXPECT_EQ(back->pixelAt(0, 15), 0xFF000000u);
    EXPECT_EQ(back->pixelAt(3, 15), 0u) << "transparent stays transparent";
    EXPECT_EQ(back->pixelAt(2, 15) >> 24, 128u) << "half transparent stays so";

    EXPECT_NE(host::render::saveCursorPng(cursor, folder_ / "missing" / "c.png"), "");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "missing"));
}

TEST_F(CursorPicture, TheTextShowsEachPixelAndTheHotSpot)
{
    // Half-transparent red ('+') and opaque red ('r') are both some other colour.
    std::vector<std::string> rows = kRows;
    rows[0][5] = 'r';
    std::string expected = "cursor image\nhot spot (7, 8)\n";
    for (std::string row : rows) {
        for (char& c : row)
            c = c == 'r' ? '+' : c;
        expected += row + "\n";
    }
    EXPECT_EQ(host::render::cursorText(ns::Cursor(Drawn(rows, 16, 16), {7, 8})), expected);
    EXPECT_NE(host::render::cursorText(ns::Cursor(Drawn(rows, 16, 16), {-1.5, 0})).find("\nhot spot (-1.5, 0)\n"),
              std::string::npos);
}

TEST_F(CursorPicture, AnotherSizeIsCutOrPaddedFromTheTopLeftCorner)
{
    const std::vector<std::string> big(20, std::string(18, '#'));
    const std::vector<std::string> small(3, std::string(2, 'o'));
    const struct {
        const char* what;
        std::shared_ptr<ns::Image> image;
        int inkColumns, inkRows;
        char ink;
    } cases[] = {
        {"larger", Drawn(big, 18, 20), 16, 16, '#'},
        {"smaller", Drawn(small, 2, 3), 2, 3, 'o'},
        {"none", nullptr, 0, 0, '.'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ns::Cursor cursor(c.image, {0, 0});
        const std::string text = host::render::cursorText(cursor);
        std::string rows = text.substr(text.find('\n', text.find('\n') + 1) + 1);
        for (int row = 0; row < 16; ++row) {
            std::string line;
            for (int column = 0; column < 16; ++column)
                line += column < c.inkColumns && row < c.inkRows ? c.ink : '.';
            EXPECT_EQ(rows.substr(static_cast<size_t>(row) * 17, 17), line + "\n") << row;
        }
        const auto path = folder_ / "sized.png";
        ASSERT_EQ(host::render::saveCursorPng(cursor, path), "");
        EXPECT_EQ(ns::Image::imageWithContentsOfFile(path)->size(), (ns::Size{16, 16}));
    }
    EXPECT_EQ(host::render::cursorText(ns::Cursor()).substr(0, 12), "cursor none\n");
}

TEST_F(CursorPicture, TheSystemsCursorsHaveSixteenSquareImages)
{
    for (const ns::Cursor* cursor : {&ns::Cursor::arrowCursor(), &ns::Cursor::pointingHandCursor()}) {
        SCOPED_TRACE(cursor->name());
        ASSERT_NE(cursor->image(), nullptr);
        EXPECT_EQ(cursor->image()->size(), (ns::Size{16, 16}));
        EXPECT_EQ(host::render::cursorText(*cursor).substr(0, 7 + cursor->name().size()), "cursor " + cursor->name());
    }
}

} // namespace
