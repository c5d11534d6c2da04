/* The swatches of a document. */
#ifndef SDK_AISWATCHLIST_H
#define SDK_AISWATCHLIST_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAISwatchListSuite "AI Swatch List Suite"
#define kAISwatchListSuiteVersion 1006

typedef struct AISwatchListSuite {
    ASErr (*CountSwatches)(ai_int32* count);
} AISwatchListSuite;

#ifdef __cplusplus
}
#endif

#endif
