#include "Colors.h"

#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <iterator>
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

void appendCssColor(std::string& out, const AIColor& color)
{
    Rgb rgb{};
    if (!displayColor(color, rgb)) {
        out += "none";
        return;
    }
    char text[16];
    const double channels[] = {rgb.red, rgb.green, rgb.blue};
    out += "rgb(";
    for (size_t i = 0; i < std::size(channels); ++i) {
        out.append(text, std::to_chars(text, text + sizeof text, byte(channels[i])).ptr);
        out += i + 1 < std::size(channels) ? ',' : ')';
    }
}

std::string cssColor(const AIColor& color)
{
    std::string out;
    appendCssColor(out, color);
    return out;
}

void appendHeldColor(std::string& out, const AIColor& color)
{
    // The kind's name, then each component after a space.
    const auto components = [&out](const char* kind, std::initializer_list<AIReal> values) {
        out += kind;
        for (AIReal value : values) {
            out += ' ';
            appendNumber(out, value);
        }
    };
    switch (color.kind) {
    case kGrayColor:
        components("gray", {color.c.g.gray});
        return;
    case kThreeColor:
        components("rgb", {color.c.rgb.red, color.c.rgb.green, color.c.rgb.blue});
        return;
    case kFourColor:
        components("cmyk", {color.c.f.cyan, color.c.f.magenta, color.c.f.yellow, color.c.f.black});
        return;
    default:
        out += "none";
    }
}

std::string heldColor(const AIColor& color)
{
    std::string out;
    appendHeldColor(out, color);
    return out;
}

} // namespace host::render
