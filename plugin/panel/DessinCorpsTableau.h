// The type-size views: a large T in the table's text colour and a small T in the interface's
// text colour, beside the type-size field of the panel (`DessinCorpsTableau`, drawn on the Text
// page only; a Command-click puts the default size back) and of the preferences dialog
// (`DessinCorpsTableauPrefs`). A click puts the focus in their field.
#pragma once

#include "TrackingArea.h"
#include "View.h"

class DessinCorps : public ns::View {
public:
    explicit DessinCorps(ns::Rect frame, ns::TrackingArea*& zoneSuivie);

    void drawRect(const ns::Rect& dirty) override;
    void mouseEntered(const ns::Event& event) override;
    void mouseExited(const ns::Event& event) override;
    bool acceptsFirstResponder() const override { return true; }

protected:
    virtual bool dessine() const = 0;
};

class DessinCorpsTableau : public DessinCorps {
public:
    explicit DessinCorpsTableau(ns::Rect frame);
    void mouseDown(const ns::Event& event) override;

protected:
    bool dessine() const override;
};

class DessinCorpsTableauPrefs : public DessinCorps {
public:
    explicit DessinCorpsTableauPrefs(ns::Rect frame);
    void mouseDown(const ns::Event& event) override;

protected:
    bool dessine() const override { return true; }
};

// Their tracking areas, made with them; each view owns its own.
extern ns::TrackingArea* trarT;
extern ns::TrackingArea* trarTprefs;
