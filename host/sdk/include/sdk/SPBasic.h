/* The SP Basic suite: the one suite every message carries, through which all others are had. */
#ifndef SDK_SPBASIC_H
#define SDK_SPBASIC_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSPBasicSuite "SP Basic Suite"
#define kSPBasicSuiteVersion 4

typedef struct SPBasicSuite {
    /* Looks up the suite of this name and version and stores its function table in *suite.
     * Each success counts one reference, to be given back with ReleaseSuite.
     * kSPSuiteNotFoundError when the host has no such pair (then *suite is null),
     * kSPBadParameterError for a null name or out pointer. The table stays valid at least
     * until the matching ReleaseSuite. */
    ASErr (*AcquireSuite)(const char* name, ai_int32 version, const void** suite);
    /* Gives back one reference. kSPNotAcquiredError when none is held. */
    ASErr (*ReleaseSuite)(const char* name, ai_int32 version);
    /* Nonzero when the two NUL-terminated strings are equal. */
    ASBoolean (*IsEqual)(const char* token1, const char* token2);
    /* Memory owned by the caller until FreeBlock. kOutOfMemoryErr when none can be had. */
    ASErr (*AllocateBlock)(size_t size, void** block);
    ASErr (*FreeBlock)(void* block);
    ASErr (*ReallocateBlock)(void* block, size_t newSize, void** newblock);
} SPBasicSuite;

#ifdef __cplusplus
}
#endif

#endif
