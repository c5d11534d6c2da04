/* The current document. */
#ifndef SDK_AIDOCUMENT_H
#define SDK_AIDOCUMENT_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion 1013

typedef struct AIDocumentSuite {
    ASErr (*GetDocument)(AIDocumentHandle* document);
    ASErr (*GetDocumentModified)(ASBoolean* modified);
    ASErr (*RedrawDocument)(void);
} AIDocumentSuite;

#ifdef __cplusplus
}
#endif

#endif
