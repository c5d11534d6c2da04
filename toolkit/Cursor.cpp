#include "Cursor.h"

#include "RectFill.h"

#include <vector>

namespace ns {

namespace {

// A 16 x 16 picture from rows of characters, top row first: '#' black, '.' white.
std::shared_ptr<Image> picture(const char* const rows[16])
{
    auto image = Image::initWithSize({16, 16});
    image->lockFocus();
    for (const char mark : {'.', '#'}) {
        std::vector<Rect> rects;
        for (int row = 0; row < 16; ++row)
            for (int column = 0; column < 16 && rows[row][column] != '\0'; ++column)
                if (rows[row][column] == mark)
                    rects.push_back(MakeRect(column, 15 - row, 1, 1));
        (mark == '#' ? Color::blackColor() : Color::whiteColor()).set();
        RectFillList(rects.data(), static_cast<int>(rects.size()));
    }
    image->unlockFocus();
    return image;
}

Cursor gCurrent;
bool gSet = false;

} // namespace

const Cursor& Cursor::arrowCursor()
{
    static const char* const rows[16] = {
        "#",          "##",         "#.#",        "#..#",      "#...#",     "#....#",    "#.....#",   "#......#",
        "#.......#",  "#....#####", "#..#..#",    "#.# #..#",  "##  #..#",  "#    #..#", "     #..#", "      ##",
    };
    static const Cursor cursor(picture(rows), {0, 0}, "arrow");
    return cursor;
}

const Cursor& Cursor::pointingHandCursor()
{
    static const char* const rows[16] = {
        "     ##",          "    #..#",         "    #..#",        "    #..#",         "    #..###",
        "    #..#..###",    " ## #..#..#..##",  "#..##........#",  "#...#........#",   " #...........#",
        "  #..........#",   "  #.........#",    "   #........#",   "   #.......#",      "    #......#",
        "    ########",
    };
    static const Cursor cursor(picture(rows), {5, 0}, "pointing hand");
    return cursor;
}

const Cursor& Cursor::IBeamCursor()
{
    static const char* const rows[16] = {
        "##.##", "..#..", " .#.", " .#.", " .#.", " .#.", " .#.", " .#.",
        " .#.",  " .#.",  " .#.", " .#.", " .#.", " .#.", "..#..", "##.##",
    };
    static const Cursor cursor(picture(rows), {2, 8}, "I-beam");
    return cursor;
}

const Cursor& Cursor::currentCursor()
{
    return gSet ? gCurrent : arrowCursor();
}

void Cursor::set() const
{
    gCurrent = *this;
    gSet = true;
}

} // namespace ns
