// The gradient track under a channel's slider (`GlissiereInterieurTableauGris` ...
// `GlissiereInterieurTableauNoir`): one class, told its channel (its row of kCanaux) by the
// name it was made by. It paints nothing yet.
#pragma once

#include "View.h"

class GlissiereInterieurTableau : public ns::View {
public:
    GlissiereInterieurTableau(ns::Rect frame, int canal) : ns::View(frame), canal_(canal) {}
    int canal() const { return canal_; }

private:
    int canal_;
};
