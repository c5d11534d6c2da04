/* Streams of bytes, such as a plug-in's own resources. */
#ifndef SDK_AIDATAFILTER_H
#define SDK_AIDATAFILTER_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIDataFilterSuite "AI Data Filter Suite"
#define kAIDataFilterSuiteVersion 1007

typedef struct AIDataFilterSuite {
    /* A filter over the resource of the plug-in's bundle with this type, identifier and
     * name. kNameNotFoundErr when there is none. */
    ASErr (*NewResourceDataFilter)(SPPluginRef plugin, ai_int32 type, ai_int32 id, const char* name,
                                   AIDataFilter** filter);
    /* Opens `next` behind `prev` (null: nothing before it). */
    ASErr (*LinkDataFilter)(AIDataFilter* prev, AIDataFilter* next);
    /* Reads at most *count bytes into `store`; *count becomes the number read, 0 at the end. */
    ASErr (*ReadDataFilter)(AIDataFilter* filter, char* store, size_t* count);
    /* Closes the filter and frees it. kBadParameterErr for a null filter. */
    ASErr (*UnlinkDataFilter)(AIDataFilter* filter, AIDataFilter** next);
} AIDataFilterSuite;

#ifdef __cplusplus
}
#endif

#endif
