// The text engine's failures as an exception, so that the wrappers read like the calls they
// make and one handler gets the host's code back.
#pragma once

#include "sdk/ASTypes.h"

#include <exception>

namespace ATE {

class Exception : public std::exception {
public:
    explicit Exception(ASErr code) : code_(code) {}
    ASErr code() const { return code_; }
    const char* what() const noexcept override { return "text engine error"; }

private:
    ASErr code_;
};

// Throws for any non-zero result of a text-engine call.
inline void Check(ASErr code)
{
    if (code != kNoErr)
        throw Exception(code);
}

} // namespace ATE
