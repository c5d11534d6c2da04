// The time the host reports to plug-ins. Real time unless a test fixes it.
#pragma once

#include "sdk/ASTypes.h"

namespace host {

class Clock {
public:
    ai_int64 now() const;
    void set(ai_int64 secondsSinceEpoch);
    // Moves the clock on (or back); at either end of its range it stays there.
    void advance(ai_int64 seconds);
    void useRealTime();

private:
    bool fixed_ = false;
    ai_int64 seconds_ = 0;
};

} // namespace host
