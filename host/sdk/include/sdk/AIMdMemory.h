/* Relocatable memory. */
#ifndef SDK_AIMDMEMORY_H
#define SDK_AIMDMEMORY_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIMdMemorySuite "AI MdMemory Suite"
#define kAIMdMemorySuiteVersion 1002

typedef struct AIMdMemorySuite {
    ASErr (*MdMemoryNewHandle)(size_t size, void** handle);
    ASErr (*MdMemoryDisposeHandle)(void* handle);
} AIMdMemorySuite;

#ifdef __cplusplus
}
#endif

#endif
