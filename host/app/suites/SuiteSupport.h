// Helpers shared by the suites' C functions.
#pragma once

#include "../Host.h"

#include "sdk/AIColor.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <type_traits>

namespace host {

// The code a test made this operation answer, or 0 to go ahead.
inline ASErr injected(const char* suite, const char* operation)
{
    return Host::get().injected(suite, operation);
}

inline doc::Document& document()
{
    return Host::get().document();
}

inline bool finite(double value)
{
    return std::isfinite(value);
}

// A colour the document can hold: gray, three-colour or four-colour, every component of its
// kind finite. Only the components of its kind are read: the rest of the union may be
// anything.
inline bool validColor(const AIColor& color)
{
    switch (color.kind) {
    case kGrayColor:
        return finite(color.c.g.gray);
    case kThreeColor:
        return finite(color.c.rgb.red) && finite(color.c.rgb.green) && finite(color.c.rgb.blue);
    case kFourColor:
        return finite(color.c.f.cyan) && finite(color.c.f.magenta) && finite(color.c.f.yellow) &&
               finite(color.c.f.black);
    default:
        return false;
    }
}

// Copies a UTF-8 string into a buffer of `length` bytes, the terminator included, cut
// before a character that would not fit whole. False for a null buffer or a length below 1.
inline bool copyCut(const std::string& text, char* buffer, ai_int32 length)
{
    if (buffer == nullptr || length < 1)
        return false;
    size_t count = std::min(text.size(), static_cast<size_t>(length) - 1);
    // Step back over continuation bytes so that no character is cut in two.
    if (count < text.size())
        while (count > 0 && (static_cast<unsigned char>(text[count]) & 0xC0) == 0x80)
            --count;
    text.copy(buffer, count);
    buffer[count] = '\0';
    return true;
}

// A string literal usable as a template argument.
template <size_t N>
struct Literal {
    constexpr Literal(const char (&text)[N])
    {
        for (size_t i = 0; i < N; ++i)
            value[i] = text[i];
    }
    char value[N];
};

// An operation the stand-in host does not perform yet: it answers kNotImplementedErr and
// says which one in the log, so that a missing piece is never mistaken for a plug-in fault.
template <Literal Suite, Literal Operation, typename Function>
struct NotImplemented;

template <Literal Suite, Literal Operation, typename Result, typename... Arguments>
struct NotImplemented<Suite, Operation, Result (*)(Arguments...)> {
    static Result call(Arguments...)
    {
        Host::get().log().note(std::string("not implemented: ") + Suite.value + " " + Operation.value);
        if constexpr (std::is_same_v<Result, ASErr>)
            return kNotImplementedErr;
        else
            return Result{};
    }
};

} // namespace host
