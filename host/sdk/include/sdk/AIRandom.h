/* Random numbers. */
#ifndef SDK_AIRANDOM_H
#define SDK_AIRANDOM_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIRandomSuite "AI Random Suite"
#define kAIRandomSuiteVersion 1004

typedef struct AIRandomSuite {
    ASErr (*FloatRandom)(AIReal* value);
} AIRandomSuite;

#ifdef __cplusplus
}
#endif

#endif
