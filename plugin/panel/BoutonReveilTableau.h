// The wake button: a translucent veil over the panel while the Table Tool is not the selected
// tool. Clicking it selects the tool. Its frame's x tells where it is: 0 over the panel, 500
// out of sight to the right.
#pragma once

#include "TrackingArea.h"
#include "View.h"

class BoutonReveilTableau : public ns::View {
public:
    explicit BoutonReveilTableau(ns::Rect frame);

    static constexpr double kXCouvrant = 0;
    static constexpr double kXEcarte = 500;

    void mouseDown(const ns::Event& event) override;
    void mouseEntered(const ns::Event& event) override;
    void mouseExited(const ns::Event& event) override;
    void drawRect(const ns::Rect& dirty) override;
    bool acceptsFirstResponder() const override { return true; }
};

// The veil's tracking area, made with it; the view owns it.
extern ns::TrackingArea* trbtreveiltableau;
