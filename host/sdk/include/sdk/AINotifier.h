/* AI Notifier suite: subscriptions to host events, delivered as "AI Notifier"/"AI Notify". */
#ifndef SDK_AINOTIFIER_H
#define SDK_AINOTIFIER_H

#include "SPMessage.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAINotifierSuite "AI Notifier Suite"
#define kAINotifierSuiteVersion 1003

#define kCallerAINotify "AI Notifier"
#define kSelectorAINotify "AI Notify"

#define kAIApplicationStartedNotifier "AI Application Started Notifier"
#define kAIApplicationShutdownNotifier "AI Application Shutdown Notifier"
#define kAIArtSelectionChangedNotifier "AI Art Selection Changed Notifier"
#define kAIUIBrightnessChangedNotifier "AI UI Brightness Changed Notifier"
/* After an undo or a redo put art back as it was: art, its dictionaries included, may differ
 * from what a plug-in last saw. */
#define kAIUndoRedoNotifier "AI Undo Redo Notifier"

typedef struct AINotifierMessage {
    SPMessageData d;
    AINotifierHandle notifier; /* the handle AddNotifier gave */
    const char* type;          /* the notifier type, the host's string */
    void* notifyData;          /* type-specific, may be null */
} AINotifierMessage;

typedef struct AINotifierSuite {
    /* Subscribes the plug-in to notifications of `type`; the name is for the host's
     * records only. The handle stays the host's and valid until the plug-in goes.
     * kBadParameterErr for a null name or type. */
    ASErr (*AddNotifier)(SPPluginRef self, const char* name, const char* type,
                         AINotifierHandle* notifier);
    ASErr (*SetNotifierActive)(AINotifierHandle notifier, ASBoolean active);
    ASErr (*IsNotifierActive)(AINotifierHandle notifier, ASBoolean* active);
} AINotifierSuite;

#ifdef __cplusplus
}
#endif

#endif
