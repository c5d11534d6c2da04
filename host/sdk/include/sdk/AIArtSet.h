/* Sets of art. */
#ifndef SDK_AIARTSET_H
#define SDK_AIARTSET_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIArtSetSuite "AI Art Set Suite"
#define kAIArtSetSuiteVersion 1007

typedef struct AIArtSetSuite {
    ASErr (*CountSelectedArtSet)(ai_int32* count);
} AIArtSetSuite;

#ifdef __cplusplus
}
#endif

#endif
