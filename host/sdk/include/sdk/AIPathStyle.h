/* The paint of a path, and the AI Path Style suite. */
#ifndef SDK_AIPATHSTYLE_H
#define SDK_AIPATHSTYLE_H

#include "AIColor.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kMaxDashComponents 6

typedef ai_int32 AILineCap;
enum { kAIButtCap = 0, kAIRoundCap = 1, kAIProjectingCap = 2 };

typedef ai_int32 AILineJoin;
enum { kAIMiterJoin = 0, kAIRoundJoin = 1, kAIBevelJoin = 2 };

typedef struct AIDashStyle {
    ai_int16 length;                  /* 0: a solid line */
    AIReal offset;
    AIReal array[kMaxDashComponents]; /* dash, gap, dash, gap ... */
} AIDashStyle;

typedef struct AIFillStyle {
    AIColor color;
    ASBoolean overprint;
} AIFillStyle;

typedef struct AIStrokeStyle {
    AIColor color;
    ASBoolean overprint;
    AIReal width;
    AIDashStyle dash;
    AILineCap cap;
    AILineJoin join;
    AIReal miterLimit;
} AIStrokeStyle;

typedef struct AIPathStyle {
    ASBoolean fillPaint;   /* the fill is painted */
    ASBoolean strokePaint; /* the stroke is painted */
    AIFillStyle fill;
    AIStrokeStyle stroke;
    ASBoolean clip;
    ASBoolean lockClip;
    ASBoolean evenodd;     /* even-odd fill rule instead of non-zero winding */
    AIReal resolution;
} AIPathStyle;

#define kAIPathStyleSuite "AI Path Style Suite"
#define kAIPathStyleSuiteVersion 1012

typedef struct AIPathStyleSuite {
    /* The style that new art would get. */
    ASErr (*GetCurrentPathStyle)(AIPathStyle* style);
    /* kBadHandleErr for art that is not a live path. */
    ASErr (*GetPathStyle)(AIArtHandle art, AIPathStyle* style);
    ASErr (*SetPathStyle)(AIArtHandle art, const AIPathStyle* style);
} AIPathStyleSuite;

#ifdef __cplusplus
}
#endif

#endif
