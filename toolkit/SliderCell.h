// What draws a slider: its bar and its knob. Replace it with a subclass to draw them
// otherwise; an interface file names the subclass by its registered name ("cell").
#pragma once

#include "Geometry.h"
#include "Object.h"

namespace ns {

class Slider;

class SliderCell : public Object {
public:

    // The slider it draws for; set when the slider takes the cell.
    Slider* controlView() const { return slider_; }
    void setControlView(Slider* slider) { slider_ = slider; }

    double knobThickness() const { return knobThickness_; }
    void setKnobThickness(double thickness) { knobThickness_ = thickness; }

    // Where the bar and the knob lie in the slider's bounds.
    Rect barRectFlipped(bool flipped) const;
    Rect knobRectFlipped(bool flipped) const;

    virtual void drawBarInside(const Rect& rect, bool flipped);
    virtual void drawKnob(const Rect& knobRect);

private:
    Slider* slider_ = nullptr;
    double knobThickness_ = 12;
};

} // namespace ns
