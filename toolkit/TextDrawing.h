// How the toolkit's controls draw their strings: one sans-serif face through fontconfig.
#pragma once

#include "Color.h"
#include "Geometry.h"

#include <string>

namespace ns {

enum class TextAlignment { Left, Center, Right };

// The system font's size for controls.
constexpr double kSystemFontSize = 11;

double stringWidth(const std::string& text, double size = kSystemFontSize);
// Draws `text` on one line, vertically centred in `rect`, clipped to it.
void drawString(const std::string& text, const Rect& rect, const Color& color, TextAlignment alignment = TextAlignment::Left,
                double size = kSystemFontSize);

} // namespace ns
