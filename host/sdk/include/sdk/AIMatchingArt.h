/* Art that matches a question, such as the selection. */
#ifndef SDK_AIMATCHINGART_H
#define SDK_AIMATCHINGART_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIMatchingArtSuite "AI Matching Art Suite"
#define kAIMatchingArtSuiteVersion 1006

typedef struct AIMatchingArtSuite {
    ASErr (*CountSelectedArt)(ai_int32* count);
} AIMatchingArtSuite;

#ifdef __cplusplus
}
#endif

#endif
