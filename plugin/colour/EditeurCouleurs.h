// The colour editor of the panel's pages 1 to 4: the page element's colour in Gray, RGB or
// CMYK, with a field, a slider and a gradient track per channel.
#pragma once

#include "Object.h"

#include <cstdint>
#include <string_view>

// Its first state, set while the panel is initialised: the type pop-up, the tooltips, the
// rows' values.
void COUinitEditeur();
// The colour type pop-up: the page element's type set, stored, and the editor laid out for it.
void COUpopUpTypeCouleurCBP(ns::Object* expediteur);
// The editor laid out for a colour type and loaded with the page element's colours; the
// panel takes the type's height.
void COUactiverZonesGris();
void COUactiverZonesRVB();
void COUactiverZonesCMJN();

// Whether `selecteur` is one of the editor's actions (the type pop-up, the channels' fields
// and sliders); runs it, false when it is none.
bool EstActionDeLEditeur(std::string_view selecteur);
bool ActionDeLEditeur(std::string_view selecteur, ns::Object* expediteur);
