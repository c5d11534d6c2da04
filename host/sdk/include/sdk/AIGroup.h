/* Group art: clipping. */
#ifndef SDK_AIGROUP_H
#define SDK_AIGROUP_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIGroupSuite "AI Group Suite"
#define kAIGroupSuiteVersion 1004

typedef struct AIGroupSuite {
    ASErr (*GetGroupClipped)(AIArtHandle group, ASBoolean* clipped);
    ASErr (*SetGroupClipped)(AIArtHandle group, ASBoolean clipped);
} AIGroupSuite;

#ifdef __cplusplus
}
#endif

#endif
