/* Colours as the text engine paints them. */
#ifndef SDK_AIATEPAINT_H
#define SDK_AIATEPAINT_H

#include "AIColor.h"
#include "ATESuites.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIATEPaintSuite "AIATE Paint Suite"
#define kAIATEPaintSuiteVersion 1002

typedef struct AIATEPaintSuite {
    /* The paint is the caller's: give it back with the application paint suite's Release. */
    ASErr (*CreateATEApplicationPaint)(const AIColor* color, ApplicationPaintRef* paint);
    ASErr (*GetAIColor)(ApplicationPaintRef paint, AIColor* color);
} AIATEPaintSuite;

#ifdef __cplusplus
}
#endif

#endif
