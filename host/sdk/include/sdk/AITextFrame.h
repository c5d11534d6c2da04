/* Text frames: point text and its text-engine range. */
#ifndef SDK_AITEXTFRAME_H
#define SDK_AITEXTFRAME_H

#include "ASTypes.h"
#include "ATESuites.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAITextFrameSuite "AI Text Frame Suite"
#define kAITextFrameSuiteVersion 1003

typedef ai_int16 AITextOrientation;
enum { kHorizontalTextOrientation = 0, kVerticalTextOrientation = 1 };

typedef struct AITextFrameSuite {
    /* Point text anchored at `anchor`, placed as NewArt places art. */
    ASErr (*NewPointText)(ai_int16 paintOrder, AIArtHandle prep, AITextOrientation orientation,
                          AIRealPoint anchor, AIArtHandle* newTextFrame);
    /* The whole text of the frame. The range is the caller's: give it back with the text
     * range suite's Release. */
    ASErr (*GetATETextRange)(AIArtHandle textFrame, TextRangeRef* range);
    ASErr (*GetPointTextAnchor)(AIArtHandle textFrame, AIRealPoint* anchor);
} AITextFrameSuite;

#ifdef __cplusplus
}
#endif

#endif
