#include "Numbers.h"

#include <charconv>
#include <cmath>

namespace host::render {

void appendNumber(std::string& out, float value)
{
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    if (!std::isfinite(value) || value == 0 || error != std::errc())
        out += '0';
    else
        out.append(text, end);
}

std::string formatNumber(float value)
{
    std::string out;
    appendNumber(out, value);
    return out;
}

} // namespace host::render
