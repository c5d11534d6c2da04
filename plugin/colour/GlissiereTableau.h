// The colour sliders' cell: a thin grey frame around the colour track instead of the bar,
// and the knob picture "GlissiereCurseur.png" centred on the knob. The knob is 22 points
// wide, so that its centre travels over the track, from 11 to the slider's width less 11.
#pragma once

#include "Image.h"
#include "SliderCell.h"

#include <memory>

class GlissiereTableau : public ns::SliderCell {
public:
    GlissiereTableau();

    void drawBarInside(const ns::Rect& rect, bool flipped) override;
    void drawKnob(const ns::Rect& knobRect) override;
};

// The knob picture, read from the plug-in's bundle when the first cell is made and kept for
// the process's life; null when it could not be read (the sliders then draw no knob and
// still work).
extern std::shared_ptr<ns::Image> GlissiereCurseurTableau;
