/* AI File Path suite: questions about paths in the host's file system. */
#ifndef SDK_AIFILEPATH_H
#define SDK_AIFILEPATH_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIFilePathSuite "AI File Path Suite"
#define kAIFilePathSuiteVersion 1003

typedef struct AIFilePathSuite {
    /* *exists is nonzero when something is at the path. kBadParameterErr for null arguments. */
    ASErr (*Exists)(const char* path, ASBoolean* exists, ASBoolean* isFolder);
    /* Writes the last component of the path into `name`, cut to `length` bytes with the
     * terminator. */
    ASErr (*GetFileName)(const char* path, char* name, ai_int32 length);
} AIFilePathSuite;

#ifdef __cplusplus
}
#endif

#endif
