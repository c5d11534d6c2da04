/* The art tree of a document: groups, paths and text frames. */
#ifndef SDK_AIART_H
#define SDK_AIART_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion 1016

typedef ai_int16 AIArtType;
enum { kAnyArt = -1, kUnknownArt = 0, kGroupArt = 1, kPathArt = 2, kTextFrameArt = 9 };

/* Where new art goes relative to `prep`. */
typedef ai_int16 AIPaintOrder;
enum {
    kPlaceAbove = 1,
    kPlaceBelow = 2,
    kPlaceInsideOnTop = 3,    /* the last child of the group `prep`: painted last */
    kPlaceInsideOnBottom = 4, /* the first child of the group `prep` */
    kPlaceAboveAll = 5,
    kPlaceBelowAll = 6
};

typedef struct AIArtSuite {
    /* Makes empty art of the type, placed relative to `prep` (a group for the inside
     * orders). The handle is valid until the art is disposed of. kBadHandleErr for a `prep`
     * that is not live, kBadParameterErr for an order that does not fit it. */
    ASErr (*NewArt)(AIArtType type, AIPaintOrder paintOrder, AIArtHandle prep, AIArtHandle* newArt);
    /* Disposes of the art and of everything inside it; their handles never become valid again. */
    ASErr (*DisposeArt)(AIArtHandle art);
    /* Nonzero for live art of the current document (of any document with searchAllLayerLists).
     * A null, disposed or made-up handle answers 0, at a cost that does not grow with the
     * document. */
    ASBoolean (*ValidArt)(AIArtHandle art, ASBoolean searchAllLayerLists);
    ASErr (*GetArtType)(AIArtHandle art, AIArtType* type);
    /* Null children and siblings are not errors: *child is null when there is none. */
    ASErr (*GetArtParent)(AIArtHandle art, AIArtHandle* parent);
    ASErr (*GetArtFirstChild)(AIArtHandle art, AIArtHandle* child);
    ASErr (*GetArtSibling)(AIArtHandle art, AIArtHandle* sibling);
    /* The group that holds the layer's art. */
    ASErr (*GetFirstArtOfLayer)(AILayerHandle layer, AIArtHandle* art);
    /* The host copies the name. */
    ASErr (*SetArtName)(AIArtHandle art, const char* name);
    /* *name stays the host's, valid until the art is renamed or disposed of. */
    ASErr (*GetArtName)(AIArtHandle art, const char** name);
    ASErr (*GetArtBounds)(AIArtHandle art, AIRealRect* bounds);
} AIArtSuite;

#ifdef __cplusplus
}
#endif

#endif
