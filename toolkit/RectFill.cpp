#include "RectFill.h"

#include <cairo.h>

namespace ns {

namespace {

void fill(const Rect* rects, int count, CompositingOperation operation)
{
    GraphicsContext* context = GraphicsContext::currentContext();
    if (context == nullptr || rects == nullptr)
        return;
    GraphicsContext::saveGraphicsState();
    context->setCompositingOperation(operation);
    cairo_t* cairo = context->cairo();
    cairo_new_path(cairo);
    for (int i = 0; i < count; ++i)
        cairo_rectangle(cairo, rects[i].minX(), rects[i].minY(), rects[i].size.width, rects[i].size.height);
    context->useFill();
    cairo_fill(cairo);
    GraphicsContext::restoreGraphicsState();
}

} // namespace

// As on the platform, the plain fills copy the colour, alpha included, into the rectangle.
void RectFill(const Rect& rect)
{
    fill(&rect, 1, CompositingOperation::Copy);
}

void RectFillList(const Rect* rects, int count)
{
    fill(rects, count, CompositingOperation::Copy);
}

void RectFillUsingOperation(const Rect& rect, CompositingOperation operation)
{
    fill(&rect, 1, operation);
}

} // namespace ns
