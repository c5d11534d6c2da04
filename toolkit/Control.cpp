#include "Control.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace ns {

void Control::setEnabled(bool enabled)
{
    enabled_ = enabled;
    setNeedsDisplay(true);
}

bool Control::sendAction()
{
    if (!enabled_ || target_ == nullptr || action_.empty())
        return false;
    return target_->performAction(action_, this);
}

void Control::setStringValue(std::string value)
{
    value_ = std::move(value);
    setNeedsDisplay(true);
}

double Control::doubleValue() const
{
    const std::string text = stringValue();
    // strtod reads a leading number and stops at the first character that is not one.
    const double value = std::strtod(text.c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

int Control::intValue() const
{
    const double value = doubleValue();
    if (value >= 2147483647.0)
        return 2147483647;
    if (value <= -2147483648.0)
        return -2147483647 - 1;
    return static_cast<int>(value);
}

void Control::setIntValue(int value)
{
    setStringValue(std::to_string(value));
}

void Control::setDoubleValue(double value)
{
    setStringValue(formatControlNumber(value));
}

void Control::setFloatValue(float value)
{
    setStringValue(formatControlNumber(value));
}

namespace {

template <typename Number>
std::string shortest(Number value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "nan" : (value > 0 ? "inf" : "-inf");
    if (value == 0)
        return "0";
    // Never an exponent: a field shows a number as it is typed. A double may have 309 digits
    // before its point and 1074 after.
    char text[1100];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return error == std::errc() ? std::string(text, end) : "0";
}

} // namespace

std::string formatControlNumber(double value)
{
    return shortest(value);
}

std::string formatControlNumber(float value)
{
    return shortest(value);
}

} // namespace ns
