#include "GraphicsContext.h"

#include <cairo.h>

namespace ns {

namespace {
GraphicsContext* gCurrent = nullptr;
std::vector<GraphicsContext*> gPrevious;
} // namespace

GraphicsContext::GraphicsContext(cairo_surface_t* surface, double height, double scale) : cairo_(cairo_create(surface))
{
    cairo_scale(cairo_, scale, scale);
    cairo_translate(cairo_, 0, height);
    cairo_scale(cairo_, 1, -1);
    applyOperation();
}

GraphicsContext::~GraphicsContext()
{
    cairo_destroy(cairo_);
}

GraphicsContext* GraphicsContext::currentContext()
{
    return gCurrent;
}

void GraphicsContext::saveGraphicsState()
{
    if (gCurrent != nullptr)
        gCurrent->save();
}

void GraphicsContext::restoreGraphicsState()
{
    if (gCurrent != nullptr)
        gCurrent->restore();
}

void GraphicsContext::save()
{
    cairo_save(cairo_);
    state_.push_back(state_.back());
}

void GraphicsContext::restore()
{
    if (state_.size() == 1)
        return; // more restores than saves: nothing to go back to
    cairo_restore(cairo_);
    state_.pop_back();
}

void GraphicsContext::setShouldAntialias(bool antialias)
{
    state_.back().antialias = antialias;
    cairo_set_antialias(cairo_, antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

void GraphicsContext::setCompositingOperation(CompositingOperation operation)
{
    state_.back().operation = operation;
    applyOperation();
}

void GraphicsContext::applyOperation()
{
    switch (state_.back().operation) {
    case CompositingOperation::Clear:
        cairo_set_operator(cairo_, CAIRO_OPERATOR_CLEAR);
        break;
    case CompositingOperation::Copy:
        cairo_set_operator(cairo_, CAIRO_OPERATOR_SOURCE);
        break;
    case CompositingOperation::SourceOver:
        cairo_set_operator(cairo_, CAIRO_OPERATOR_OVER);
        break;
    }
}

void GraphicsContext::useFill()
{
    const Color& c = fillColor();
    cairo_set_source_rgba(cairo_, c.redComponent(), c.greenComponent(), c.blueComponent(), c.alphaComponent());
}

void GraphicsContext::useStroke()
{
    const Color& c = strokeColor();
    cairo_set_source_rgba(cairo_, c.redComponent(), c.greenComponent(), c.blueComponent(), c.alphaComponent());
}

void GraphicsContext::translate(double dx, double dy)
{
    cairo_translate(cairo_, dx, dy);
}

void GraphicsContext::flip(double height)
{
    cairo_translate(cairo_, 0, height);
    cairo_scale(cairo_, 1, -1);
    state_.back().flipped = !state_.back().flipped;
}

void GraphicsContext::clip(const Rect& rect)
{
    cairo_rectangle(cairo_, rect.minX(), rect.minY(), rect.size.width, rect.size.height);
    cairo_clip(cairo_);
}

void GraphicsContext::push(GraphicsContext* context)
{
    gPrevious.push_back(gCurrent);
    gCurrent = context;
}

void GraphicsContext::pop()
{
    if (gPrevious.empty())
        return;
    gCurrent = gPrevious.back();
    gPrevious.pop_back();
}

GraphicsContext::Scope::Scope(GraphicsContext& context)
{
    push(&context);
}

GraphicsContext::Scope::~Scope()
{
    pop();
}

} // namespace ns
