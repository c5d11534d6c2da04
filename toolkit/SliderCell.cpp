#include "SliderCell.h"

#include "BezierPath.h"
#include "RectFill.h"
#include "Slider.h"

#include <algorithm>

namespace ns {

Rect SliderCell::barRectFlipped(bool) const
{
    return slider_ != nullptr ? slider_->bounds() : Rect{};
}

Rect SliderCell::knobRectFlipped(bool) const
{
    if (slider_ == nullptr)
        return {};
    const Rect b = slider_->bounds();
    const double span = slider_->maxValue() - slider_->minValue();
    const double fraction = span > 0 ? (slider_->doubleValue() - slider_->minValue()) / span : 0;
    return MakeRect(fraction * (b.size.width - knobThickness_), 0, knobThickness_, b.size.height);
}

void SliderCell::drawBarInside(const Rect& rect, bool)
{
    // A groove across the middle, from the knob's first centre to its last.
    Color(0.75, 0.75, 0.75).setFill();
    RectFill(MakeRect(rect.minX() + knobThickness_ / 2, rect.midY() - 2, rect.size.width - knobThickness_, 4));
}

void SliderCell::drawKnob(const Rect& knobRect)
{
    const double side = std::min(knobRect.size.width, knobRect.size.height);
    const Rect square = MakeRect(knobRect.minX(), knobRect.midY() - side / 2, knobRect.size.width, side);
    Color::whiteColor().setFill();
    RectFill(square.insetBy(1, 1));
    Color(0.45, 0.45, 0.45).setStroke();
    BezierPath::bezierPathWithRect(square.insetBy(1.5, 1.5)).stroke();
}

} // namespace ns
