// The text engine's failures as an exception, so that the wrappers read like the calls they
// make and one handler gets the host's code back. It is a host error like any other, so
// that handlers of ai::Error catch it too.
#pragma once

#include "AIError.h"

namespace ATE {

class Exception : public ai::Error {
public:
    using ai::Error::Error;
    const char* what() const noexcept override { return "text engine error"; }
};

// Throws for any non-zero result of a text-engine call.
inline void Check(ASErr code)
{
    if (code != kNoErr)
        throw Exception(code);
}

} // namespace ATE
