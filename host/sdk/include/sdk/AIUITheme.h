/* The interface theme: dark or light, and its colours. */
#ifndef SDK_AIUITHEME_H
#define SDK_AIUITHEME_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIUIThemeSuite "AI User Interface Theme Suite"
#define kAIUIThemeSuiteVersion 1001

/* Components 0 to 1. */
typedef struct AIUIThemeColor {
    AIReal alpha, red, green, blue;
} AIUIThemeColor;

typedef struct AIUIThemeSuite {
    ASErr (*IsDarkUI)(ASBoolean* dark);
    /* The colour of a part of the interface (`element`) in one of its roles (`kind`).
     * kNameNotFoundErr for a pair the theme does not have; *color is then untouched. */
    ASErr (*GetUIThemeColor)(ai_int32 element, ai_int32 kind, AIUIThemeColor* color);
} AIUIThemeSuite;

#ifdef __cplusplus
}
#endif

#endif
