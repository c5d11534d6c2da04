#include "Slider.h"

#include "GraphicsContext.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ns {

Slider::Slider(Rect frame) : Control(frame)
{
    setCell(std::make_unique<SliderCell>());
}

void Slider::setMinValue(double value)
{
    min_ = value;
    setDoubleValue(value_);
}

void Slider::setMaxValue(double value)
{
    max_ = value;
    setDoubleValue(value_);
}

void Slider::setDoubleValue(double value)
{
    if (!std::isfinite(value))
        return;
    value_ = max_ >= min_ ? std::clamp(value, min_, max_) : min_;
    setNeedsDisplay(true);
}

void Slider::setStringValue(std::string value)
{
    setDoubleValue(std::strtod(value.c_str(), nullptr));
}

void Slider::setCell(std::unique_ptr<SliderCell> cell)
{
    if (!cell)
        return;
    cell_ = std::move(cell);
    cell_->setControlView(this);
}

double Slider::valueAtX(double x) const
{
    const double span = bounds().size.width - cell_->knobThickness();
    if (span <= 0)
        return min_;
    const double fraction = std::clamp((x - cell_->knobThickness() / 2) / span, 0.0, 1.0);
    return min_ + fraction * (max_ - min_);
}

void Slider::track(const Event& event, bool last)
{
    if (!isEnabled())
        return;
    setDoubleValue(valueAtX(convertPointFromWindow(event.locationInWindow()).x));
    if (continuous_ || last)
        sendAction();
}

void Slider::mouseDown(const Event& event)
{
    track(event, false);
}

void Slider::mouseDragged(const Event& event)
{
    track(event, false);
}

void Slider::mouseUp(const Event& event)
{
    track(event, true);
}

void Slider::drawRect(const Rect&)
{
    GraphicsContext* context = GraphicsContext::currentContext();
    if (context == nullptr)
        return;
    GraphicsContext::saveGraphicsState();
    context->flip(bounds().size.height);
    cell_->drawBarInside(cell_->barRectFlipped(true), true);
    cell_->drawKnob(cell_->knobRectFlipped(true));
    GraphicsContext::restoreGraphicsState();
}

} // namespace ns
