/* Unicode strings held by the host. */
#ifndef SDK_AIUNICODESTRING_H
#define SDK_AIUNICODESTRING_H

#include "ASTypes.h"
#include "ATESuites.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIUnicodeStringSuite "AI Unicode String Suite"
#define kAIUnicodeStringSuiteVersion 1007

typedef struct AIUnicodeStringSuite {
    /* From UTF-8 (byteLength -1: up to the terminator). The string is the caller's until
     * Destroy. kBadParameterErr for text that is not UTF-8. */
    ASErr (*Initialize)(AIUnicodeStringRef* string, const char* utf8, ai_int32 byteLength);
    ASErr (*Destroy)(AIUnicodeStringRef string);
    /* The UTF-16 units, ended by 0, valid until the string changes or is destroyed. */
    ASErr (*UTF16Buffer)(AIUnicodeStringRef string, const ASUnicode** buffer, ai_int32* length);
    ASErr (*UTF8Buffer)(AIUnicodeStringRef string, const char** buffer, ai_int32* length);
    /* The number of characters (code points). */
    ASErr (*Length)(AIUnicodeStringRef string, ai_int32* length);
} AIUnicodeStringSuite;

#ifdef __cplusplus
}
#endif

#endif
