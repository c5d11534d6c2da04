/* Art turned into other art. */
#ifndef SDK_AIARTCONVERTER_H
#define SDK_AIARTCONVERTER_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIArtConverterSuite "AI Art Converter Suite"
#define kAIArtConverterSuiteVersion 1002

typedef struct AIArtConverterSuite {
    ASErr (*ConvertToPaths)(AIArtHandle art, AIArtHandle* paths);
} AIArtConverterSuite;

#ifdef __cplusplus
}
#endif

#endif
