// Lengths and point values as the panel's fields show them: "%.2f" with its trailing zeros
// and point dropped, a unit, and the user's decimal separator.
#pragma once

#include "TextField.h"

#include <string>

// Millimetres of a length in points: " mm".
std::string TexteMillimetres(double points);
// Writes it into the field, when there is one.
void AfficheMillimetres(ns::TextField* zone, double points);

// A value in points, as the point formatter writes it: " pt" (3.2 pt, 10 pt, 0 pt).
std::string TextePoints(double points);
void AffichePoints(ns::TextField* zone, double points);
