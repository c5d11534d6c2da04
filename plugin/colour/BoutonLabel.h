// The invisible label buttons of the colour editor's four rows (`BoutonLabelGRC`,
// `BoutonLabelVM`, `BoutonLabelBJ`, `BoutonLabelN`): one class, told its row (1 to 4) by the
// name it was made by. The pointing hand over them; a click, while the Table Tool is the
// current tool, selects the text of the row's field for the page element's colour type.
#pragma once

#include "TrackingArea.h"
#include "View.h"

class BoutonLabel : public ns::View {
public:
    BoutonLabel(ns::Rect frame, int rangee);
    int rangee() const { return rangee_; }

    bool acceptsFirstResponder() const override { return true; }
    void mouseDown(const ns::Event& event) override;
    void mouseEntered(const ns::Event& event) override;
    void mouseMoved(const ns::Event& event) override;
    void mouseExited(const ns::Event& event) override;

private:
    int rangee_;
};

// Their tracking areas, by row, each made with its view and owned by it.
extern ns::TrackingArea* labelGRC;
extern ns::TrackingArea* labelVM;
extern ns::TrackingArea* labelBJ;
extern ns::TrackingArea* labelN;
