// The type-size views: a large and a small T beside the type-size field of the panel
// (`DessinCorpsTableau`, drawn on the Text page only) and of the preferences dialog
// (`DessinCorpsTableauPrefs`). They take the first responder; their picture comes with the
// type options.
#pragma once

#include "View.h"

class DessinCorpsTableau : public ns::View {
public:
    using ns::View::View;
    bool acceptsFirstResponder() const override { return true; }
};

class DessinCorpsTableauPrefs : public ns::View {
public:
    using ns::View::View;
    bool acceptsFirstResponder() const override { return true; }
};
