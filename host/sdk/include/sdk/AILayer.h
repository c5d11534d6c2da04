/* Layers of a document, in stacking order (0 is the top). */
#ifndef SDK_AILAYER_H
#define SDK_AILAYER_H

#include "ASTypes.h"
#include "AIAnnotator.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion 1012

typedef struct AILayerSuite {
    ASErr (*CountLayers)(ai_int32* count);
    /* kBadParameterErr for an index outside 0 to count - 1. */
    ASErr (*GetNthLayer)(ai_int32 index, AILayerHandle* layer);
    ASErr (*GetCurrentLayer)(AILayerHandle* layer);
    ASErr (*SetCurrentLayer)(AILayerHandle layer);
    /* kNameNotFoundErr when no layer has the title. */
    ASErr (*GetLayerByTitle)(AILayerHandle* layer, const char* title);
    /* Copies the title, cut to `length` bytes with the terminator. */
    ASErr (*GetLayerTitle)(AILayerHandle layer, char* title, ai_int32 length);
    ASErr (*SetLayerTitle)(AILayerHandle layer, const char* title);
    ASErr (*GetLayerEditable)(AILayerHandle layer, ASBoolean* editable);
    ASErr (*SetLayerEditable)(AILayerHandle layer, ASBoolean editable);
    ASErr (*GetLayerVisible)(AILayerHandle layer, ASBoolean* visible);
    ASErr (*SetLayerVisible)(AILayerHandle layer, ASBoolean visible);
    ASErr (*GetLayerColor)(AILayerHandle layer, AIRGBColor* color);
    /* A new layer placed relative to `layer` (kPlaceAboveAll and kPlaceBelowAll ignore it). */
    ASErr (*InsertLayer)(AILayerHandle layer, ai_int16 paintOrder, AILayerHandle* newLayer);
    ASErr (*DeleteLayer)(AILayerHandle layer);
} AILayerSuite;

#ifdef __cplusplus
}
#endif

#endif
