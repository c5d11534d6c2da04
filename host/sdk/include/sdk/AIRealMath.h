/* Matrices and reals. */
#ifndef SDK_AIREALMATH_H
#define SDK_AIREALMATH_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIRealMathSuite "AI Real Math Suite"
#define kAIRealMathSuiteVersion 1002

typedef struct AIRealMathSuite {
    ASErr (*AIRealMatrixSetIdentity)(AIRealMatrix* matrix);
    ASErr (*AIRealMatrixSetTranslate)(AIRealMatrix* matrix, AIReal tx, AIReal ty);
    ASErr (*AIRealMatrixConcatTranslate)(AIRealMatrix* matrix, AIReal tx, AIReal ty);
    ASErr (*AIRealPointTransform)(const AIRealPoint* point, const AIRealMatrix* matrix, AIRealPoint* result);
} AIRealMathSuite;

#ifdef __cplusplus
}
#endif

#endif
