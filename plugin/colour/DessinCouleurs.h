// The swatch: a 30 × 21 table pictogram, two row rules and two column rules in the rows' and
// the columns' colours, in a frame of the frame's colour while the frame is on (an inner line
// too for a double frame, the rules then stopping 2 points shorter), whatever page is shown.
#pragma once

#include "View.h"

class DessinCouleurs : public ns::View {
public:
    using ns::View::View;

    void drawRect(const ns::Rect& dirty) override;
};
