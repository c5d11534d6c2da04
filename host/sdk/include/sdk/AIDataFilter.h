/* Streams of bytes, such as a plug-in's own resources. */
#ifndef SDK_AIDATAFILTER_H
#define SDK_AIDATAFILTER_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIDataFilterSuite "AI Data Filter Suite"
#define kAIDataFilterSuiteVersion 1007

enum {
    kDataFilterReadErr = 0x21526561 /* '!Rea' the stream's bytes could not be read */
};

typedef struct AIDataFilterSuite {
    /* A filter over the resource of the plug-in's bundle with this type, identifier and
     * name. kNameNotFoundErr when there is none. A 'PNGI' resource is the file NAME.png of the
     * bundle's Resources folder, ID.png for a null name. The filter is closed until linked;
     * the caller frees it with UnlinkDataFilter. kBadHandleErr for a plug-in the host does not
     * know, kBadParameterErr for a null result pointer or a name that is not a plain file
     * name. */
    ASErr (*NewResourceDataFilter)(SPPluginRef plugin, ai_int32 type, ai_int32 id, const char* name,
                                   AIDataFilter** filter);
    /* Opens `next` behind `prev` (null: nothing before it). A resource filter starts a chain:
     * kBadParameterErr for a `prev` that is not null, or for a filter already open. */
    ASErr (*LinkDataFilter)(AIDataFilter* prev, AIDataFilter* next);
    /* Reads at most *count bytes into `store`; *count becomes the number read, 0 at the end
     * (and at every read after it). kDataFilterReadErr, with *count 0, when the bytes could not
     * be read; kBadParameterErr for a filter that is not open. */
    ASErr (*ReadDataFilter)(AIDataFilter* filter, char* store, size_t* count);
    /* Closes the filter and frees it; *next (when `next` is not null) becomes the filter it
     * stood behind. kBadParameterErr for a null filter, kBadHandleErr for one that is not live
     * (every operation answers so). */
    ASErr (*UnlinkDataFilter)(AIDataFilter* filter, AIDataFilter** next);
} AIDataFilterSuite;

#ifdef __cplusplus
}
#endif

#endif
