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
    /* The selected art, in the order it was selected: at most `capacity` handles into
     * `matches`, and in *count how many are selected (which may be more). A text frame being
     * typed into is selected alone. kBadParameterErr for a null count, a negative capacity, or
     * null matches with a capacity above 0. */
    ASErr (*GetSelectedArt)(AIArtHandle* matches, ai_int32 capacity, ai_int32* count);
} AIMatchingArtSuite;

#ifdef __cplusplus
}
#endif

#endif
