// Paths of straight lines and rectangles, filled or stroked in the current graphics context.
#pragma once

#include "Geometry.h"

#include <vector>

namespace ns {

class BezierPath {
public:
    static BezierPath bezierPathWithRect(const Rect& rect);

    void moveToPoint(Point p);
    void lineToPoint(Point p);
    void closePath();
    void appendBezierPathWithRect(const Rect& rect);

    double lineWidth() const { return lineWidth_; }
    void setLineWidth(double width) { lineWidth_ = width; }

    // With the context's fill or stroke colour and compositing; nothing when no context is
    // current.
    void fill() const;
    void stroke() const;

    bool isEmpty() const { return elements_.empty(); }

private:
    enum class Kind { Move, Line, Close };
    struct Element {
        Kind kind;
        Point point;
    };
    void trace() const;

    std::vector<Element> elements_;
    double lineWidth_ = 1;
};

} // namespace ns
