#include "SliderCell.h"

#include "BezierPath.h"
#include "RectFill.h"
#include "Slider.h"

namespace ns {

Rect SliderCell::barRectFlipped(bool) const
{
    if (slider_ == nullptr)
        return {};
    const Rect b = slider_->bounds();
    return MakeRect(knobThickness_ / 2, b.midY() - 2, b.size.width - knobThickness_, 4);
}

Rect SliderCell::knobRectFlipped(bool) const
{
    if (slider_ == nullptr)
        return {};
    const Rect b = slider_->bounds();
    const double span = slider_->maxValue() - slider_->minValue();
    const double fraction = span > 0 ? (slider_->doubleValue() - slider_->minValue()) / span : 0;
    const double x = fraction * (b.size.width - knobThickness_);
    return MakeRect(x, b.midY() - knobThickness_ / 2, knobThickness_, knobThickness_);
}

void SliderCell::drawBarInside(const Rect& rect, bool)
{
    Color(0.75, 0.75, 0.75).setFill();
    RectFill(rect);
}

void SliderCell::drawKnob(const Rect& knobRect)
{
    Color::whiteColor().setFill();
    RectFill(knobRect.insetBy(1, 1));
    Color(0.45, 0.45, 0.45).setStroke();
    BezierPath::bezierPathWithRect(knobRect.insetBy(1.5, 1.5)).stroke();
}

} // namespace ns
