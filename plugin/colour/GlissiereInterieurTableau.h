// The gradient track under a channel's slider (`GlissiereInterieurTableauGris` ...
// `GlissiereInterieurTableauNoir`): one class, told its channel (its row of kCanaux) by the
// name it was made by. It paints the colours the page's element would take along the slider,
// its other channels held: 58 steps from x 9 to 173, dimmed to half while the Table Tool is
// not the current tool; nothing for an element of another colour type, or a frame that is off.
#pragma once

#include "View.h"

class GlissiereInterieurTableau : public ns::View {
public:
    GlissiereInterieurTableau(ns::Rect frame, int canal) : ns::View(frame), canal_(canal) {}
    int canal() const { return canal_; }

    void drawRect(const ns::Rect& dirty) override;

private:
    int canal_;
};
