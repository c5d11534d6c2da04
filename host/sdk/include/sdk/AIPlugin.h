/* The host's view of a plug-in's options. */
#ifndef SDK_AIPLUGIN_H
#define SDK_AIPLUGIN_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIPluginSuite "AI Plugin Suite"
#define kAIPluginSuiteVersion 1004

typedef struct AIPluginSuite {
    ASErr (*GetPluginOptions)(SPPluginRef plugin, ai_int32* options);
    ASErr (*SetPluginOptions)(SPPluginRef plugin, ai_int32 options);
} AIPluginSuite;

#ifdef __cplusplus
}
#endif

#endif
