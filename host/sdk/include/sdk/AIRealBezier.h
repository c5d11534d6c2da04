/* Cubic Bezier curves. */
#ifndef SDK_AIREALBEZIER_H
#define SDK_AIREALBEZIER_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIRealBezierSuite "AI Real Bezier Suite"
#define kAIRealBezierSuiteVersion 1003

typedef struct AIRealBezierSuite {
    ASErr (*Evaluate)(const AIRealPoint* controlPoints, AIReal t, AIRealPoint* point);
} AIRealBezierSuite;

#ifdef __cplusplus
}
#endif

#endif
