#include "Clock.h"

#include <ctime>
#include <limits>

namespace host {

ai_int64 Clock::now() const
{
    return fixed_ ? seconds_ : static_cast<ai_int64>(std::time(nullptr));
}

void Clock::set(ai_int64 secondsSinceEpoch)
{
    fixed_ = true;
    seconds_ = secondsSinceEpoch;
}

void Clock::advance(ai_int64 seconds)
{
    if (!fixed_)
        set(now());
    // The clock stops at either end of its range rather than wrap round.
    if (__builtin_add_overflow(seconds_, seconds, &seconds_))
        seconds_ = seconds > 0 ? std::numeric_limits<ai_int64>::max() : std::numeric_limits<ai_int64>::min();
}

void Clock::useRealTime()
{
    fixed_ = false;
}

} // namespace host
