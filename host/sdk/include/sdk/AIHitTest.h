/* Whether a point touches art. */
#ifndef SDK_AIHITTEST_H
#define SDK_AIHITTEST_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIHitTestSuite "AI Hit Test Suite"
#define kAIHitTestSuiteVersion 1005

typedef struct AIHitTestSuite {
    ASErr (*HitTestArt)(AIArtHandle art, const AIRealPoint* point, AIReal tolerance, ASBoolean* hit);
} AIHitTestSuite;

#ifdef __cplusplus
}
#endif

#endif
