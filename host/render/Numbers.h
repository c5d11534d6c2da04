// Numbers as the exports write them: plain decimals, never an exponent.
#pragma once

#include <string>

namespace host::render {

// The shortest plain decimal that reads back as the same 32-bit float ("73.5", "-18.96",
// "0.0000001"); -0 is written 0. The document holds no value that is not finite; should one
// come, it is written 0 so that the file stays readable.
std::string formatNumber(float value);
// The same, added to the end of `out`.
void appendNumber(std::string& out, float value);

} // namespace host::render
