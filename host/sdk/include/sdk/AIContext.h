/* AI Context suite: the application context a plug-in works in while it handles a message. */
#ifndef SDK_AICONTEXT_H
#define SDK_AICONTEXT_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIAppContextSuite "AI Context Suite"
#define kAIAppContextSuiteVersion 1006

typedef struct AIAppContextSuite {
    /* Pushes a context for the plug-in; pop it with the handle given, in reverse order. */
    ASErr (*PushAppContext)(SPPluginRef plugin, AIAppContextHandle* context);
    /* kBadHandleErr when the handle is not the innermost context. */
    ASErr (*PopAppContext)(AIAppContextHandle context);
} AIAppContextSuite;

#ifdef __cplusplus
}
#endif

#endif
