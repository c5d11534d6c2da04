/* Annotators: the "AI Annotation" caller's message and the AI Annotator suite. */
#ifndef SDK_AIANNOTATOR_H
#define SDK_AIANNOTATOR_H

#include "SPMessage.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kCallerAIAnnotation "AI Annotation"
#define kSelectorAIDrawAnnotation "AI Draw"
#define kSelectorAIInvalAnnotation "AI Invalidate"

typedef struct AIAnnotatorMessage {
    SPMessageData d;
    AIAnnotatorHandle annotator;
    AIDocumentViewHandle view;   /* the view being drawn */
    AIAnnotatorDrawer* drawer;   /* draws into that view during "AI Draw" only */
    AIRect* invalidationRects;   /* "AI Invalidate": where the host will redraw */
    ai_int32 numInvalidationRects;
} AIAnnotatorMessage;

#define kAIAnnotatorSuite "AI Annotator Suite"
#define kAIAnnotatorSuiteVersion 1005

typedef struct AIAnnotatorSuite {
    /* The host sends "AI Draw" to an active annotator whenever a view is drawn. */
    ASErr (*AddAnnotator)(SPPluginRef self, const char* name, AIAnnotatorHandle* annotator);
    ASErr (*SetAnnotatorActive)(AIAnnotatorHandle annotator, ASBoolean active);
    ASErr (*GetAnnotatorActive)(AIAnnotatorHandle annotator, ASBoolean* active);
    /* Asks for a redraw of the rectangle, in view coordinates, of the view (null: the current
     * one). */
    ASErr (*InvalAnnotationRect)(AIDocumentViewHandle view, const AIRect* rect);
} AIAnnotatorSuite;

#define kAIAnnotatorDrawerSuite "AI Annotator Drawer Suite"
#define kAIAnnotatorDrawerSuiteVersion 1004

/* Channels 0 to 65535. */
typedef struct AIRGBColor {
    ai_uint16 red, green, blue;
} AIRGBColor;

/* Draws into the view of the "AI Draw" message being handled, in view coordinates. */
typedef struct AIAnnotatorDrawerSuite {
    ASErr (*SetColor)(AIAnnotatorDrawer* drawer, const AIRGBColor* color);
    ASErr (*SetLineWidth)(AIAnnotatorDrawer* drawer, AIReal width);
    ASErr (*SetLineDashed)(AIAnnotatorDrawer* drawer, ASBoolean dashed);
    ASErr (*SetFontPreset)(AIAnnotatorDrawer* drawer, ai_int32 preset);
    /* Any two opposite corners: the host orders them. */
    ASErr (*DrawRect)(AIAnnotatorDrawer* drawer, const AIRect* rect, ASBoolean fill);
    /* UTF-8 text with its baseline starting at the point. */
    ASErr (*DrawText)(AIAnnotatorDrawer* drawer, const char* text, const AIPoint* point);
} AIAnnotatorDrawerSuite;

#ifdef __cplusplus
}
#endif

#endif
