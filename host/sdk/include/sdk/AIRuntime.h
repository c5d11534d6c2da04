/* Facts about the running host. */
#ifndef SDK_AIRUNTIME_H
#define SDK_AIRUNTIME_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIRuntimeSuite "AI Runtime Suite"
#define kAIRuntimeSuiteVersion 1011

typedef struct AIRuntimeSuite {
    ASErr (*GetAppName)(const char** name);
    ASErr (*GetAppMajorVersion)(ai_int32* version);
} AIRuntimeSuite;

#ifdef __cplusplus
}
#endif

#endif
