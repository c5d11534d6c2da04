/* The preference store: typed values under a prefix and a key. */
#ifndef SDK_AIPREFERENCE_H
#define SDK_AIPREFERENCE_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIPreferenceSuite "AI Preference Suite"
#define kAIPreferenceSuiteVersion 1005

/* A null prefix names the host's own keys. A missing key, or one stored as another kind,
 * answers kNoSuchKeyErr and leaves *value untouched. Every Put and Remove is saved at once;
 * when the store cannot be saved the change holds for this run and the answer is kWriteErr.
 * kBadParameterErr for a null key or value, a real that is not finite, or a string that is
 * not UTF-8. */
typedef struct AIPreferenceSuite {
    ASErr (*GetBooleanPreference)(const char* prefix, const char* key, ASBoolean* value);
    ASErr (*PutBooleanPreference)(const char* prefix, const char* key, ASBoolean value);
    ASErr (*GetIntegerPreference)(const char* prefix, const char* key, ai_int32* value);
    ASErr (*PutIntegerPreference)(const char* prefix, const char* key, ai_int32 value);
    ASErr (*GetRealPreference)(const char* prefix, const char* key, double* value);
    ASErr (*PutRealPreference)(const char* prefix, const char* key, double value);
    /* Copies the string, cut to `length` bytes with the terminator. */
    ASErr (*GetStringPreference)(const char* prefix, const char* key, char* value, ai_int32 length);
    ASErr (*PutStringPreference)(const char* prefix, const char* key, const char* value);
    ASErr (*RemovePreference)(const char* prefix, const char* key);
} AIPreferenceSuite;

#ifdef __cplusplus
}
#endif

#endif
