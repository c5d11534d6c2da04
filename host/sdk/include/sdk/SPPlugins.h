/* SP Plug-ins suite: what the host knows about each plug-in. */
#ifndef SDK_SPPLUGINS_H
#define SDK_SPPLUGINS_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSPPluginsSuite "SP Plug-ins Suite"
#define kSPPluginsSuiteVersion 4

typedef struct SPPluginsSuite {
    /* The host copies the name. kBadParameterErr for a null name, kBadHandleErr for an
     * unknown plug-in. */
    ASErr (*SetPluginName)(SPPluginRef plugin, const char* name);
    /* *name stays the host's, valid until the name is set again or the plug-in goes. */
    ASErr (*GetPluginName)(SPPluginRef plugin, const char** name);
} SPPluginsSuite;

#ifdef __cplusplus
}
#endif

#endif
