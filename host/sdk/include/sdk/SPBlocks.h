/* Blocks of memory from the host. */
#ifndef SDK_SPBLOCKS_H
#define SDK_SPBLOCKS_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2

typedef struct SPBlocksSuite {
    ASErr (*AllocateBlock)(size_t size, const char* debug, void** block);
    ASErr (*FreeBlock)(void* block);
} SPBlocksSuite;

#ifdef __cplusplus
}
#endif

#endif
