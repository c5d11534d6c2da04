/* AI User suite: talking to the user, cursor resources, and the host's clock. */
#ifndef SDK_AIUSER_H
#define SDK_AIUSER_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIUserSuite "AI User Suite"
#define kAIUserSuiteVersion 1010

typedef struct AIUserSuite {
    /* Shows a modal alert with one OK button and returns when it is dismissed. The host
     * copies the text. kBadParameterErr for a null text. */
    ASErr (*MessageAlert)(const char* text);
    /* A resource manager through which the plug-in's cursors are found. The handle is the
     * caller's until DisposeCursorResourceMgr. */
    ASErr (*CreateCursorResourceMgr)(SPPluginRef plugin, AIResourceManagerHandle* manager);
    /* kBadHandleErr for a handle that is not live. */
    ASErr (*DisposeCursorResourceMgr)(AIResourceManagerHandle manager);
    /* The host's current time in whole seconds since 1970-01-01 UTC. */
    ASErr (*GetDateAndTime)(ai_int64* secondsSinceEpoch);
} AIUserSuite;

#ifdef __cplusplus
}
#endif

#endif
