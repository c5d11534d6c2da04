/* Undo entries. */
#ifndef SDK_AIUNDO_H
#define SDK_AIUNDO_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIUndoSuite "AI Undo Suite"
#define kAIUndoSuiteVersion 1006

typedef struct AIUndoSuite {
    ASErr (*SetUndoText)(const char* undoText, const char* redoText);
    ASErr (*UndoChanges)(void);
} AIUndoSuite;

#ifdef __cplusplus
}
#endif

#endif
