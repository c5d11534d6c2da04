/* AI Folders suite: where the host keeps things. */
#ifndef SDK_AIFOLDERS_H
#define SDK_AIFOLDERS_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIFoldersSuite "AI Folders Suite"
#define kAIFoldersSuiteVersion 1004

enum {
    kAIPluginsFolderType = 1,      /* the folder the plug-ins were loaded from */
    kAIPreferencesFolderType = 2,  /* the folder of the preference store */
    kAITemporaryFolderType = 3
};

typedef struct AIFoldersSuite {
    /* Writes the folder's path into `path`, at most `length` bytes with the terminator.
     * kNameNotFoundErr for an unknown type, kBadParameterErr when the path does not fit. */
    ASErr (*FindFolder)(ai_int32 folderType, char* path, ai_int32 length);
} AIFoldersSuite;

#ifdef __cplusplus
}
#endif

#endif
