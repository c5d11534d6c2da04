// The outlines of SVG's shapes, in the file's own coordinates and in double: path data (M L
// H V C S Q T A Z, absolute and relative; quadratic curves and elliptical arcs as cubic
// curves) and rect, circle, ellipse, line, polyline and polygon. Each outline is one run of
// points as the host's paths hold them: each point with the control points that enter and
// leave it.
#pragma once

#include "SvgValues.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace host::render::svg {

struct Knot {
    Point p, in, out; // a point whose segment on that side is straight has its control there
};

struct Outline {
    std::vector<Knot> knots;
    bool closed = false;
};

struct Outlines {
    enum class Status {
        Whole,
        Cut,     // an error in the data: the outlines up to it (as SVG draws them)
        Huge,    // a number beyond a float: nothing
        TooMany, // more points than the budget: nothing
    };
    Status status = Status::Whole;
    std::vector<Outline> parts;
    size_t points = 0;
};

// The outlines of path data, at most `budget` points in all.
//
// The host's own files write a closed path whose closing segment is curved as that curve
// ("C out in first") followed by Z. So a curve that ends exactly on the start of its outline,
// right before Z, with at least two points before it, is read as the closing segment and not
// as one more point: written again, it gives the same data.
Outlines pathOutlines(std::string_view data, size_t budget);

// A rectangle with corners rounded by rx and ry (already resolved: 0 for square corners).
Outline rectangleOutline(double x, double y, double width, double height, double rx, double ry);
Outline ellipseOutline(double cx, double cy, double rx, double ry);
// The points of a polyline or polygon ("x,y x,y ..."); an odd number out at the end is let
// go, as SVG does. Status Cut when the list has an error, Huge for a number beyond a float.
Outlines pointsOutline(std::string_view points, bool closed, size_t budget);

} // namespace host::render::svg
