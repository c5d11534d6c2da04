// Lengths and point values as the panel's fields show them: "%.2f" with its trailing zeros
// and point dropped, a unit, and the user's decimal separator.
#pragma once

#include "TextField.h"

#include <string>

// Points per millimetre: 72 / 25.4 as single precision holds it, used as a double by every
// conversion of the panel.
constexpr double kPointsParMillimetre = 2.8346457481384277;

// "%.2f" without its trailing zeros, then without a trailing point: 3.2, 10, 0, -12.5.
std::string DeuxDecimales(double valeur);
// Every "." made the user's separator, VirguleOuPoint, when that is a comma.
std::string AvecSeparateur(std::string texte);
// The value with two decimals at most and its unit (" mm", " pt" ...), in the user's separator:
// what a commit or a step button writes back.
std::string TexteAvecUnite(double valeur, const char* unite);

// Millimetres of a length in points: " mm".
std::string TexteMillimetres(double points);
// Writes it into the field, when there is one.
void AfficheMillimetres(ns::TextField* zone, double points);

// A value in points, as the point formatter writes it: " pt" (3.2 pt, 10 pt, 0 pt).
std::string TextePoints(double points);
void AffichePoints(ns::TextField* zone, double points);
