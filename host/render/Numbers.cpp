#include "Numbers.h"

#include <charconv>
#include <cmath>

namespace host::render {

std::string formatNumber(float value)
{
    if (!std::isfinite(value) || value == 0)
        return "0";
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    if (error != std::errc())
        return "0";
    return std::string(text, end);
}

} // namespace host::render
