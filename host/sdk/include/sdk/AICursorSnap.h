/* Snapping of the cursor to art and guides. */
#ifndef SDK_AICURSORSNAP_H
#define SDK_AICURSORSNAP_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAICursorSnapSuite "AI Cursor Snap Suite"
#define kAICursorSnapSuiteVersion 1004

typedef struct AICursorSnapSuite {
    ASErr (*UseSmartGuides)(ASBoolean* use);
} AICursorSnapSuite;

#ifdef __cplusplus
}
#endif

#endif
