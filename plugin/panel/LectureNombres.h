// The numbers of the panel's texts, read as the platform reads a text's number: the leading
// number, blanks before it skipped, whatever follows it (a unit) ignored, no number giving 0.
// A number that single precision cannot hold (nan, inf, 1e999) holds no number either: no
// setting ever gets a NaN or an infinity from a field.
#pragma once

#include "Control.h"

#include <cstdint>
#include <string_view>

// In single precision ("12.5 mm" gives 12.5, "abc" 0, "1e39" 0).
float ValeurFlottante(std::string_view texte);
// The leading whole number, saturated to 32 bits ("3.7" gives 3, "99999999999" 2147483647).
int32_t ValeurEntiere(std::string_view texte);

// A decimal with a comma or a point: the parts before and from the first separator each read
// in single precision and added in double ("12,5 mm" gives 12.5, "12.3" 12.300000011920929,
// "-3.25" -3.25); without a separator, the single-precision value.
double ValeurDecimale(std::string_view texte);
// The decimal value of the control's text; 0 without a control.
double RecupereValeurDecimale(const ns::Control* controle);
