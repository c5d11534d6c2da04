// The colours the screen shows for an element: its colour set as a calibrated RGB colour,
// each channel first made a fraction of its range (gray and inks × 0.01, RGB / 255).
#pragma once

#include "JeuxDeCouleurs.h"

#include "Color.h"

#include <array>
#include <optional>

// The set's eight channels as fractions, in the order of kCanaux.
using Fractions = std::array<double, NombreCanaux>;
Fractions FractionsDuJeu(const JeuCouleurs& jeu);

// The colour of `type` made of those fractions: gray 1 - gray; RGB as they are; CMYK
// through CMJNenRVB in single precision. None for a type that is none of the three.
std::optional<ns::Color> CouleurEcran(int32_t type, const Fractions& fractions, double alpha = 1);
std::optional<ns::Color> CouleurEcranDuJeu(const JeuCouleurs& jeu);

// The colour type a channel belongs to (TypeGris, TypeRVB, TypeCMJN).
int32_t TypeDuCanal(int canal);
