/* Groups of swatches. */
#ifndef SDK_AISWATCHGROUP_H
#define SDK_AISWATCHGROUP_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAISwatchGroupSuite "AI Swatch Group Suite"
#define kAISwatchGroupSuiteVersion 1002

typedef struct AISwatchGroupSuite {
    ASErr (*CountSwatchGroups)(ai_int32* count);
} AISwatchGroupSuite;

#ifdef __cplusplus
}
#endif

#endif
