// The exception that carries a host result code through C++ code.
#pragma once

#include "sdk/ASTypes.h"

#include <exception>

namespace ai {

class Error : public std::exception {
public:
    explicit Error(ASErr code) : code_(code) {}
    ASErr code() const { return code_; }
    operator ASErr() const { return code_; }
    const char* what() const noexcept override { return "host error"; }

private:
    ASErr code_;
};

} // namespace ai

namespace aisdk {

// Throws ai::Error for any non-zero result.
inline void check_ai_error(ASErr code)
{
    if (code != kNoErr)
        throw ai::Error(code);
}

} // namespace aisdk
