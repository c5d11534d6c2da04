// Colours as the exports write them: for display, and exactly as the art holds them.
#pragma once

#include "sdk/AIColor.h"

#include <string>

namespace host::render {

// A colour on screen, each channel 0 to 1.
struct Rgb {
    double red, green, blue;
};

// Gray is an amount of ink (0 white, 1 black); CMYK is shown as plain ink on white. False for
// a kind that paints nothing the exports can show (none, pattern, gradient, custom).
bool displayColor(const AIColor& color, Rgb& rgb);
// "rgb(R,G,B)" with 0 to 255 channels; "none" where displayColor is false.
std::string cssColor(const AIColor& color);
void appendCssColor(std::string& out, const AIColor& color);
// "gray G", "rgb R G B" or "cmyk C M Y K", components as held; "none" for other kinds.
std::string heldColor(const AIColor& color);
void appendHeldColor(std::string& out, const AIColor& color);

} // namespace host::render
