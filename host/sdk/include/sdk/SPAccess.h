/* SP Access suite: references that keep a plug-in's code loaded. */
#ifndef SDK_SPACCESS_H
#define SDK_SPACCESS_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3

typedef struct SPAccessSuite {
    /* While the plug-in holds at least one access reference the host does not unload its
     * code. The reference is the caller's until ReleasePlugin. kBadHandleErr for an unknown
     * plug-in. */
    ASErr (*AcquirePlugin)(SPPluginRef plugin, SPAccessRef* access);
    /* kBadHandleErr for a reference that is not held. */
    ASErr (*ReleasePlugin)(SPAccessRef access);
} SPAccessSuite;

#ifdef __cplusplus
}
#endif

#endif
