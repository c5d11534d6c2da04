// Shows or hides, enables or disables, places a group of controls; an absent control is passed
// over.
#pragma once

#include "Control.h"

#include <span>

inline void MontreEtActive(std::span<ns::Control* const> controles, bool montre, bool active)
{
    for (ns::Control* c : controles)
        if (c != nullptr) {
            c->setHidden(!montre);
            c->setEnabled(active);
        }
}

inline void MontreEtActive(std::initializer_list<ns::Control*> controles, bool montre, bool active)
{
    MontreEtActive(std::span<ns::Control* const>(controles.begin(), controles.size()), montre, active);
}

inline void Montre(ns::View* vue, bool montre)
{
    if (vue != nullptr)
        vue->setHidden(!montre);
}

inline void Place(ns::View* vue, double x, double y, double largeur, double hauteur)
{
    if (vue != nullptr)
        vue->setFrame(ns::MakeRect(x, y, largeur, hauteur));
}
