// Lengths as the position and size fields show them.
#pragma once

#include "TextField.h"

#include <string>

// The text of a length in the position and size fields: millimetres, "%.2f" with its
// trailing zeros and point dropped, " mm", and the user's decimal separator.
std::string TexteMillimetres(double points);
// Writes it into the field, when there is one.
void AfficheMillimetres(ns::TextField* zone, double points);
