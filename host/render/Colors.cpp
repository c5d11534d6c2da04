#include "Colors.h"

#include "Numbers.h"

#include <algorithm>
#include <cmath>

namespace host::render {

namespace {

double unit(AIReal value)
{
    return std::isfinite(value) ? std::clamp(static_cast<double>(value), 0.0, 1.0) : 0.0;
}

int byte(double channel)
{
    return static_cast<int>(std::lround(channel * 255));
}

} // namespace

bool displayColor(const AIColor& color, Rgb& rgb)
{
    switch (color.kind) {
    case kGrayColor: {
        const double light = 1 - unit(color.c.g.gray);
        rgb = {light, light, light};
        return true;
    }
    case kThreeColor:
        rgb = {unit(color.c.rgb.red), unit(color.c.rgb.green), unit(color.c.rgb.blue)};
        return true;
    case kFourColor: {
        const double white = 1 - unit(color.c.f.black);
        rgb = {(1 - unit(color.c.f.cyan)) * white, (1 - unit(color.c.f.magenta)) * white,
               (1 - unit(color.c.f.yellow)) * white};
        return true;
    }
    default:
        return false;
    }
}

std::string cssColor(const AIColor& color)
{
    Rgb rgb{};
    if (!displayColor(color, rgb))
        return "none";
    return "rgb(" + std::to_string(byte(rgb.red)) + "," + std::to_string(byte(rgb.green)) + "," +
           std::to_string(byte(rgb.blue)) + ")";
}

std::string heldColor(const AIColor& color)
{
    switch (color.kind) {
    case kGrayColor:
        return "gray " + formatNumber(color.c.g.gray);
    case kThreeColor:
        return "rgb " + formatNumber(color.c.rgb.red) + " " + formatNumber(color.c.rgb.green) + " " +
               formatNumber(color.c.rgb.blue);
    case kFourColor:
        return "cmyk " + formatNumber(color.c.f.cyan) + " " + formatNumber(color.c.f.magenta) + " " +
               formatNumber(color.c.f.yellow) + " " + formatNumber(color.c.f.black);
    default:
        return "none";
    }
}

} // namespace host::render
