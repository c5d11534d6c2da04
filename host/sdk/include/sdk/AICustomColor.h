/* Named colours of a document. */
#ifndef SDK_AICUSTOMCOLOR_H
#define SDK_AICUSTOMCOLOR_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAICustomColorSuite "AI Custom Color Suite"
#define kAICustomColorSuiteVersion 1007

typedef struct AICustomColorSuite {
    ASErr (*CountCustomColors)(ai_int32* count);
} AICustomColorSuite;

#ifdef __cplusplus
}
#endif

#endif
