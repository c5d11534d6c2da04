/* Basic types shared by the host and its plug-ins.
 *
 * Everything that crosses the plug-in boundary is plain C: fixed-size integers, floats,
 * NUL-terminated byte strings and opaque handles. Every operation returns an ASErr:
 * 0 is success, anything else is a host error code, usually four characters packed with
 * the first character in the high byte. */
#ifndef SDK_ASTYPES_H
#define SDK_ASTYPES_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t ASErr;
typedef unsigned char ASBoolean;
typedef int32_t ai_int32;
typedef int64_t ai_int64;
typedef int16_t ai_int16;
typedef uint16_t ai_uint16;
typedef uint32_t ai_uint32;
typedef uint16_t ASUnicode; /* a UTF-16 unit */

/* Packs four characters into a result code, the first one in the high byte. */
#define AS_FOUR_CHAR(a, b, c, d) \
    ((ASErr)(((uint32_t)(a) << 24) | ((uint32_t)(b) << 16) | ((uint32_t)(c) << 8) | (uint32_t)(d)))

enum {
    kNoErr = 0,
    kUnhandledMsgErr = 0x214D5347,          /* '!MSG' the message was not handled */
    kOutOfMemoryErr = 0x214D454D,           /* '!MEM' */
    kCantHappenErr = 0x43414E54,            /* 'CANT' an unexpected exception */
    kSPPluginCachesFlushResponse = 0x70466C73, /* 'pFls' a purge freed something */
    kSPSuiteNotFoundError = 0x53214664,     /* 'S!Fd' no suite of that name and version */
    kSPBadParameterError = 0x5041524D,      /* 'PARM' a null or out-of-range argument */
    kBadParameterErr = 0x5041524D,          /* 'PARM' */
    kSPNotAcquiredError = 0x21416371,       /* '!Acq' releasing what was never acquired */
    kNotImplementedErr = 0x4E494D50,        /* 'NIMP' the stand-in host does not do this yet */
    kNoSuchKeyErr = 0x214B6579,             /* '!Key' no value stored under that key */
    kNameNotFoundErr = 0x3F4E616D,          /* '?Nam' nothing of that name */
    kWriteErr = 0x57726974,                 /* 'Writ' a change kept but not saved to its file */
    kBadHandleErr = 0x2148646C,             /* '!Hdl' a handle that is null, stale or foreign */
    kCanceledErr = 0x53544F50               /* 'STOP' the user cancelled the dialog */
};

/* Opaque references handed out by the host. A plug-in never looks inside them. */
typedef struct _t_SPPlugin* SPPluginRef;
typedef struct _t_SPAccess* SPAccessRef;
typedef struct _t_AINotifier* AINotifierHandle;
typedef struct _t_AIAppContext* AIAppContextHandle;
typedef struct _t_AIResourceManager* AIResourceManagerHandle;
typedef struct _t_AIMenuItem* AIMenuItemHandle;
typedef struct _t_AIMenuGroup* AIMenuGroup;
typedef struct _t_AITool* AIToolHandle;
typedef struct _t_AIAnnotator* AIAnnotatorHandle;
typedef struct _t_AIAnnotatorDrawer AIAnnotatorDrawer;
typedef struct _t_AIDocumentView* AIDocumentViewHandle;
typedef struct _t_AIDocument* AIDocumentHandle;
typedef struct _t_AIArt* AIArtHandle;
typedef struct _t_AILayer* AILayerHandle;
typedef struct _t_AIPanel* AIPanelRef;
typedef struct _t_AIPanelFlyoutMenu* AIPanelFlyoutMenuRef;
typedef struct _t_AIFontKey* AIFontKey;
typedef struct _t_AIDataFilter AIDataFilter;
typedef struct _t_AIUnicodeString* AIUnicodeStringRef;

typedef float AIReal;
typedef double AIDouble;

typedef struct {
    AIReal h, v;
} AIRealPoint;

typedef struct {
    AIReal left, top, right, bottom;
} AIRealRect;

typedef struct {
    ai_int32 h, v;
} AIPoint;

typedef struct {
    ai_int32 left, top, right, bottom;
} AIRect;

typedef struct {
    AIReal a, b, c, d, tx, ty;
} AIRealMatrix;

#ifdef __cplusplus
}
#endif

#endif
