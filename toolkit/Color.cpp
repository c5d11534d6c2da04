#include "Color.h"

#include "GraphicsContext.h"

namespace ns {

void Color::set() const
{
    setFill();
    setStroke();
}

void Color::setFill() const
{
    if (GraphicsContext* context = GraphicsContext::currentContext())
        context->setFillColor(*this);
}

void Color::setStroke() const
{
    if (GraphicsContext* context = GraphicsContext::currentContext())
        context->setStrokeColor(*this);
}

} // namespace ns
