// What the host's tests share: a plug-in that answers every message with 0, a result no
// operation gives of itself, a suite acquired as a plug-in acquires it, and what a getter
// writes.
#pragma once

#include "Host.h"

#include <gtest/gtest.h>

namespace host_test {

inline ASErr Quiet(const char*, const char*, void*)
{
    return kNoErr;
}

inline const ASErr kNope = AS_FOUR_CHAR('N', 'O', 'P', 'E');

template <typename Suite>
const Suite* Acquire(host::Host& host, const char* name, ai_int32 version)
{
    const void* suite = nullptr;
    EXPECT_EQ(host.basic()->AcquireSuite(name, version, &suite), kNoErr) << name;
    return static_cast<const Suite*>(suite);
}

// What a suite's getter writes, its result checked; `start` is there before, to tell a getter
// that wrote nothing.
template <typename T, typename Getter>
T got(Getter getter, T start = T{})
{
    T value = start;
    EXPECT_EQ(getter(&value), kNoErr);
    return value;
}

} // namespace host_test
