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
    /* Asks the user for an existing file to read, in the host's file dialog titled `title`.
     * The chosen path goes into `path`, UTF-8 with its terminator, in at most `capacity`
     * bytes; `path` holds an empty text whenever no path is given. kCanceledErr when the user
     * cancels (a file whose name is not UTF-8 counts as cancelled), kBadParameterErr for null
     * arguments, a capacity below 1, or a path that does not fit. */
    ASErr (*GetFileDialog)(const char* title, char* path, ai_int32 capacity);
    /* The same for a file to write, the dialog proposing `defaultName` (may be null); the
     * host has asked before a file is replaced. */
    ASErr (*PutFileDialog)(const char* title, const char* defaultName, char* path, ai_int32 capacity);
} AIUserSuite;

#ifdef __cplusplus
}
#endif

#endif
