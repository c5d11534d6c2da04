#include "BezierPath.h"

#include "GraphicsContext.h"

#include <cairo.h>

namespace ns {

BezierPath BezierPath::bezierPathWithRect(const Rect& rect)
{
    BezierPath path;
    path.appendBezierPathWithRect(rect);
    return path;
}

void BezierPath::moveToPoint(Point p)
{
    elements_.push_back({Kind::Move, p});
}

void BezierPath::lineToPoint(Point p)
{
    elements_.push_back({Kind::Line, p});
}

void BezierPath::closePath()
{
    elements_.push_back({Kind::Close, {}});
}

void BezierPath::appendBezierPathWithRect(const Rect& rect)
{
    moveToPoint({rect.minX(), rect.minY()});
    lineToPoint({rect.maxX(), rect.minY()});
    lineToPoint({rect.maxX(), rect.maxY()});
    lineToPoint({rect.minX(), rect.maxY()});
    closePath();
}

void BezierPath::trace() const
{
    cairo_t* cairo = GraphicsContext::currentContext()->cairo();
    cairo_new_path(cairo);
    for (const Element& e : elements_) {
        switch (e.kind) {
        case Kind::Move:
            cairo_move_to(cairo, e.point.x, e.point.y);
            break;
        case Kind::Line:
            if (!cairo_has_current_point(cairo))
                cairo_move_to(cairo, e.point.x, e.point.y);
            else
                cairo_line_to(cairo, e.point.x, e.point.y);
            break;
        case Kind::Close:
            cairo_close_path(cairo);
            break;
        }
    }
}

void BezierPath::fill() const
{
    GraphicsContext* context = GraphicsContext::currentContext();
    if (context == nullptr)
        return;
    trace();
    context->useFill();
    cairo_fill(context->cairo());
}

void BezierPath::stroke() const
{
    GraphicsContext* context = GraphicsContext::currentContext();
    if (context == nullptr)
        return;
    trace();
    context->useStroke();
    cairo_set_line_width(context->cairo(), lineWidth_);
    cairo_stroke(context->cairo());
}

} // namespace ns
