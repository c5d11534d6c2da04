// The invisible label buttons of the colour editor's four rows (`BoutonLabelGRC`,
// `BoutonLabelVM`, `BoutonLabelBJ`, `BoutonLabelN`): one class, told its row (1 to 4) by the
// name it was made by.
#pragma once

#include "View.h"

class BoutonLabel : public ns::View {
public:
    BoutonLabel(ns::Rect frame, int rangee) : ns::View(frame), rangee_(rangee) {}
    int rangee() const { return rangee_; }
    bool acceptsFirstResponder() const override { return true; }

private:
    int rangee_;
};
