// The transparent cover over the colour editor's slider rows: the arrow over it, so that a
// label button's pointing hand does not stay over the sliders. It takes no click.
#pragma once

#include "TrackingArea.h"
#include "View.h"

class BoutonToutesGlissieres : public ns::View {
public:
    explicit BoutonToutesGlissieres(ns::Rect frame);

    bool acceptsFirstResponder() const override { return true; }
    void mouseEntered(const ns::Event& event) override;
    void mouseMoved(const ns::Event& event) override;
};

// Its tracking area, made with it and owned by it.
extern ns::TrackingArea* toutesGlis;
