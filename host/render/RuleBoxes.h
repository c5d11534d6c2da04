// Rules stroked on a picture of pixels without cairo's stroker, which sorts a path's boxes and
// scans them again for every run of a table's rules: about half of the page's drawing. The
// pixels are those cairo's stroke gives. Cairo strokes a line along the pixels' rows or columns
// as a box, its ends and half the line's width on each side rounded to 1/256 of a pixel; each
// pixel is covered by the area of the boxes' union within it, in 1/256 of a pixel's area cut
// down to a byte; and the colour is laid over the pixel at that coverage, each byte as cairo
// rounds it. Here the union is swept from top to bottom, slab by slab between the boxes' edges.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace host::render {

class RuleBoxes {
public:
    // A straight line between two points of the context's user space.
    struct Line {
        double x0, y0, x1, y1;
    };

    // Strokes the lines together as cairo_stroke strokes a path of them, each line a subpath,
    // in the context's stroke and source. False, having drawn nothing, where the pixels could
    // differ from cairo's: a line not along a row or column of pixels or of no length, a matrix
    // that turns or scales the axes unlike, strokes thinner than kThinnest or than the
    // context's tolerance, ends not butt or square, joins other than miters, dashes,
    // antialiasing turned off, another operator than over, a source not of one opaque colour,
    // a clip, a picture not of 32-bit pixels, scaled or moved by a fraction of a pixel, or
    // points too far out.
    bool stroke(cairo_t* cairo, const std::vector<Line>& lines);

    // The thinnest stroke drawn here, in pixels: cairo draws nothing of a stroke no wider than
    // about half its tolerance (0.1 pixel unless set), and this is a margin above that.
    static constexpr double kThinnest = 0.125;

private:
    // A line's box, clipped to the picture, in 1/256 of its pixels.
    struct Box {
        int32_t left, top, right, bottom;
    };
    // Pixels [x, x + count) of a row, each covered `cover` 256ths of its width by a slab.
    struct Span {
        int x, count, cover;
    };

    // The boxes of the lines, or false where a line cannot be drawn here.
    bool boxesOf(cairo_t* cairo, const std::vector<Line>& lines, double offsetX, double offsetY, int width,
                 int height);
    // Lays the colour over the union of the boxes, slab by slab between their edges, downward:
    // across each slab the same boxes.
    void sweep();
    // The spans of a slab's row: the union of the active boxes across.
    void spansAcross();
    // Lays the colour over rows [top, bottom) of pixels, at each span's coverage of a whole row.
    void fillRows(int top, int bottom) const;
    // Adds a slab's part of a row, `down` 256ths of it high, to the row's areas.
    void addToRow(int y, int down);
    // Lays the colour over the row whose areas were added, and clears them.
    void finishRow();

    std::vector<Box> boxes_;
    std::vector<int32_t> edges_;     // the boxes' tops and bottoms, each once, downward
    std::vector<const Box*> byTop_;  // the boxes, downward by their tops
    std::vector<int32_t> bottoms_;   // their bottoms, downward
    std::vector<const Box*> active_; // those across the current slab
    std::vector<std::pair<int32_t, int32_t>> across_; // the active boxes' lefts and rights
    std::vector<Span> spans_;
    // A row of pixels several slabs share: the area each slab covers in each pixel, added, in
    // 1/65,536 of a pixel's; 0 outside [areasLeft_, areasRight_).
    std::vector<int32_t> areas_;
    int areasRow_ = -1, areasLeft_ = 0, areasRight_ = 0;
    // The picture drawn on, and the colour as a pixel.
    unsigned char* data_ = nullptr;
    int stride_ = 0;
    uint32_t color_ = 0;
};

} // namespace host::render
