/* Moving art. */
#ifndef SDK_AITRANSFORMART_H
#define SDK_AITRANSFORMART_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAITransformArtSuite "AI Transform Art Suite"
#define kAITransformArtSuiteVersion 1002

enum {
    kTransformObjects = 1, /* move the art itself */
    kScaleLines = 16       /* scale stroke widths by lineScale */
};

typedef struct AITransformArtSuite {
    /* kBadParameterErr for a matrix with a component that is not finite. */
    ASErr (*TransformArt)(AIArtHandle art, const AIRealMatrix* matrix, AIReal lineScale, ai_int32 flags);
} AITransformArtSuite;

#ifdef __cplusplus
}
#endif

#endif
