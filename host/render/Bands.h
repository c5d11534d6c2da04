// The document view drawn into an image of its pixels by several threads at once, each over
// its own band of rows: a page of tens of thousands of objects draws in about the time of one
// band's share. Where the bands begin and end does not change a pixel.
#pragma once

#include "DocumentView.h"
#include "document/Document.h"
#include "document/Fonts.h"

#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace host::render {

// The most threads that draw at once.
inline constexpr int kMostBands = 4;
// The fewest rows a band has: below that a thread costs more than it saves.
inline constexpr int kFewestBandRows = 64;

// The rows where bands begin, and the image's height last: {0, ..., height}.
using BandRows = std::vector<int>;

// As many bands as the machine has cores, within the bounds above.
int bandsFor(int height);
// That many bands of equal heights.
BandRows equalBands(int height, int bands);
// Whether the rows are bands of an image of that height: from 0 to the height, each below the
// one before.
bool areBands(const BandRows& rows, int height);

// Draws the view as drawView does into the whole of `image`, an image surface of the view's
// size times `scale` (pixels per view point), one thread for each band of `rows` (the caller's
// for the first); a thread that cannot be started leaves its band to the caller's thread.
// Rows that do not go from 0 to the image's height, each below the one before, are not bands:
// equal bands are drawn then. The bands drawn, with the seconds that each took: what a
// BandBalance learns from.
struct BandTimes {
    BandRows rows;
    std::vector<double> seconds;
};
BandTimes drawViewInBands(cairo_surface_t* image, double scale, const doc::Document& document,
                          const doc::FontList& fonts, const DocumentView& view, const BandRows& rows);

} // namespace host::render
