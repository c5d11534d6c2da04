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

    // The knob's width along the bar; its centre travels from half of it to the slider's width
    // less half of it.
    double knobThickness() const { return knobThickness_; }
    void setKnobThickness(double thickness) { knobThickness_ = thickness; }

    // The bar's rectangle, the slider's whole bounds (the cell draws its bar within), and
    // the knob's, as wide as the knob and as high as the slider. A slider is a flipped view,
    // as on the platform: `flipped` gives them with y from the top, which is how the slider
    // draws its cell.
    Rect barRectFlipped(bool flipped) const;
    Rect knobRectFlipped(bool flipped) const;

    // Called with the rectangles above, in the slider's flipped coordinates.
    virtual void drawBarInside(const Rect& rect, bool flipped);
    virtual void drawKnob(const Rect& knobRect);

private:
    Slider* slider_ = nullptr;
    double knobThickness_ = 12;
};

} // namespace ns
