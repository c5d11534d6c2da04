// Where the bands of the next picture of the page begin, from what the bands of the pictures
// before took. A page's art rarely spreads evenly over its rows (a table in the middle of the
// page, margins above and below it), and bands of equal heights leave one thread drawing while
// the others wait for it. Each row's cost is estimated from the time of the band it was in,
// spread evenly over the band's rows, and the next bands are cut where each has an equal share
// of the estimated cost of the whole.
#pragma once

#include "Bands.h"

#include <vector>

namespace host::render {

class BandBalance {
public:
    // That many bands over an image of that height: equal ones while nothing is known of what
    // the rows of an image of that height cost. Always bands (0, ..., height, each below the
    // one before), as drawViewInBands takes them.
    BandRows rows(int height, int bands) const;
    // What the bands of a picture took to draw: what the next rows() divide. Times that do not
    // fit the bands (not one each, or one that is not a finite number of zero or more) teach
    // nothing.
    void measured(const BandTimes& drawn);

private:
    // The estimated seconds of each row of the image last measured; empty until then.
    std::vector<double> perRow_;
};

} // namespace host::render
