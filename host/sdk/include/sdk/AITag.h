/* Named texts attached to art. */
#ifndef SDK_AITAG_H
#define SDK_AITAG_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAITagSuite "AI Tag Suite"
#define kAITagSuiteVersion 1003

typedef struct AITagSuite {
    ASErr (*SetTag)(AIArtHandle art, const char* name, const char* value);
    ASErr (*GetTag)(AIArtHandle art, const char* name, const char** value);
} AITagSuite;

#ifdef __cplusplus
}
#endif

#endif
