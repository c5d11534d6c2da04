// Helpers shared by the suites' C functions.
#pragma once

#include "../Host.h"

#include <string>
#include <type_traits>

namespace host {

// The code a test made this operation answer, or 0 to go ahead.
inline ASErr injected(const char* suite, const char* operation)
{
    return Host::get().injected(suite, operation);
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
