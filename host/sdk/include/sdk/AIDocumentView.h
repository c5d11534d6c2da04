/* Views of the document: bounds, zoom and the mapping between artwork and view points. */
#ifndef SDK_AIDOCUMENTVIEW_H
#define SDK_AIDOCUMENTVIEW_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion 1011

/* A null view is the current one. View points are pixels, y downward from the top-left. */
typedef struct AIDocumentViewSuite {
    ASErr (*GetDocumentViewBounds)(AIDocumentViewHandle view, AIRealRect* bounds);
    ASErr (*CountDocumentViews)(ai_int32* count);
    ASErr (*GetNthDocumentView)(ai_int32 index, AIDocumentViewHandle* view);
    ASErr (*GetDocumentViewZoom)(AIDocumentViewHandle view, AIReal* zoom);
    /* Setting the zoom redraws the view, even to the same value. */
    ASErr (*SetDocumentViewZoom)(AIDocumentViewHandle view, AIReal zoom);
    ASErr (*ArtworkPointToViewPoint)(AIDocumentViewHandle view, const AIRealPoint* artworkPoint, AIPoint* viewPoint);
    ASErr (*ViewPointToArtworkPoint)(AIDocumentViewHandle view, const AIPoint* viewPoint, AIRealPoint* artworkPoint);
    ASErr (*SetDocumentViewInvalidRect)(AIDocumentViewHandle view, const AIRealRect* invalidRect);
} AIDocumentViewSuite;

#ifdef __cplusplus
}
#endif

#endif
