// Points, sizes and rectangles, y upward, in points.
#pragma once

#include <algorithm>

namespace ns {

struct Point {
    double x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    double width = 0, height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    Point origin;
    Size size;
    bool operator==(const Rect&) const = default;

    double minX() const { return origin.x; }
    double minY() const { return origin.y; }
    double maxX() const { return origin.x + size.width; }
    double maxY() const { return origin.y + size.height; }
    double midX() const { return origin.x + size.width / 2; }
    double midY() const { return origin.y + size.height / 2; }
    bool isEmpty() const { return size.width <= 0 || size.height <= 0; }
    // The bottom and left edges are inside, the top and right ones outside.
    bool contains(Point p) const { return p.x >= minX() && p.x < maxX() && p.y >= minY() && p.y < maxY(); }
    Rect offsetBy(double dx, double dy) const { return {{origin.x + dx, origin.y + dy}, size}; }
    Rect insetBy(double dx, double dy) const
    {
        return {{origin.x + dx, origin.y + dy}, {size.width - 2 * dx, size.height - 2 * dy}};
    }
    // Empty (all zero) when the two do not overlap.
    Rect intersection(const Rect& other) const
    {
        const double left = std::max(minX(), other.minX()), right = std::min(maxX(), other.maxX());
        const double bottom = std::max(minY(), other.minY()), top = std::min(maxY(), other.maxY());
        if (right <= left || top <= bottom)
            return {};
        return {{left, bottom}, {right - left, top - bottom}};
    }
};

inline Rect MakeRect(double x, double y, double width, double height)
{
    return {{x, y}, {width, height}};
}

} // namespace ns
