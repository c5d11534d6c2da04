/* The artboards of a document. */
#ifndef SDK_AIARTBOARD_H
#define SDK_AIARTBOARD_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIArtboardSuite "AI Artboard Suite"
#define kAIArtboardSuiteVersion 1002

typedef struct AIArtboardSuite {
    ASErr (*CountArtboards)(ai_int32* count);
    ASErr (*GetArtboardBounds)(ai_int32 index, AIRealRect* bounds);
} AIArtboardSuite;

#ifdef __cplusplus
}
#endif

#endif
