// Doubles as the 32-bit floats the host and the toolkit take.
#pragma once

#include <algorithm>
#include <limits>

// `valeur` as a float: past the float's range it stops at its largest value instead of being
// undefined, so that a stored or typed number of any size reaches the host as a number.
// Not a number stays one.
inline float EnFlottant(double valeur)
{
    constexpr double plusGrand = std::numeric_limits<float>::max();
    if (valeur != valeur)
        return std::numeric_limits<float>::quiet_NaN();
    return static_cast<float>(std::clamp(valeur, -plusGrand, plusGrand));
}
