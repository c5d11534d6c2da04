/* Numbers written as the host writes them. */
#ifndef SDK_AISTRINGFORMATUTILS_H
#define SDK_AISTRINGFORMATUTILS_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIStringFormatUtilsSuite "AI String Format Utils Suite"
#define kAIStringFormatUtilsSuiteVersion 1002

typedef struct AIStringFormatUtilsSuite {
    ASErr (*RealToString)(AIReal value, ai_int32 precision, char* text, ai_int32 length);
} AIStringFormatUtilsSuite;

#ifdef __cplusplus
}
#endif

#endif
