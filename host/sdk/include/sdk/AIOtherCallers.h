/* Callers the host may send that a plug-in need not handle. Their records carry only the
 * common header and one pointer to caller-specific data, owned by the host. */
#ifndef SDK_AIOTHERCALLERS_H
#define SDK_AIOTHERCALLERS_H

#include "SPMessage.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kActionCaller "Action Manager"
#define kDoActionSelector "Do Action"

#define kCallerAIFilter "AI Filter"
#define kSelectorAIGetFilterParameters "AI Get Parameters"
#define kSelectorAIGoFilter "AI Go"

#define kCallerAIPluginGroup "AI Plugin Group"
#define kSelectorAINotifyEdits "AI Notify Edits"
#define kSelectorAIUpdateArt "AI Update"

#define kCallerAIFileFormat "AI File Format"
#define kSelectorAIGetFileFormatParameters "AI Get Parameters"
#define kSelectorAIGoFileFormat "AI Go"
#define kSelectorAICheckFileFormat "AI Check"
#define kSelectorAIUpdateFileFormat "AI Update AI140"
#define kSelectorAISetFileFormatParameters "Do Action"

#define kCallerAILiveEffect "AI Live Effect"
#define kSelectorAIEditLiveEffectParameters "AI Live Effect Edit Parameters"
#define kSelectorAIGoLiveEffect "AI Live Effect Go Live"
#define kSelectorAILiveEffectInterpolate "AI Live Effect Interpolate Parameters"
#define kSelectorAILiveEffectInputType "AI Live Effect Input Type"
#define kSelectorAILiveEffectScaleParameters "AI Live Effect Scale Parameters"
#define kSelectorAILiveEffectConverColorSpace "AI Live Effect Convert Color Space"
#define kSelectorAILiveEffectAdjustColors "AI Live Effect Adjust Colors"
#define kSelectorAILiveEffectHandleMerge "AI Live Effect Handle Merge"

#define kCallerAITimer "AI Timer"
#define kSelectorAIGoTimer "AI Go"

#define kCallerAIClipboard "AI Clipboard"
#define kSelectorAIGoClipboard "AI Go"
#define kSelectorAICanCopyClipboard "AI Can Copy"
#define kSelectorAICloneClipboard "AI Clone"
#define kSelectorAIDisposeClipboard "AI Dispose"

#define kAIWorkspaceCaller "Workspace Manager"
/* The host's own spelling. */
#define kAIWSWriteSelector "Write Woskspace"
#define kAIWSRestoreSelector "Restore Woskspace"
#define kAIWSDefaultSelector "Default Woskspace"

typedef struct DoActionMessage { SPMessageData d; void* action; } DoActionMessage;
typedef struct AIFilterMessage { SPMessageData d; void* filter; } AIFilterMessage;
typedef struct AIPluginGroupMessage { SPMessageData d; void* group; } AIPluginGroupMessage;
typedef struct AIFileFormatMessage { SPMessageData d; void* format; } AIFileFormatMessage;
typedef struct AILiveEffectMessage { SPMessageData d; void* effect; } AILiveEffectMessage;
typedef struct AITimerMessage { SPMessageData d; void* timer; } AITimerMessage;
typedef struct AIClipboardMessage { SPMessageData d; void* clipboard; } AIClipboardMessage;
typedef struct AIWorkspaceMessage { SPMessageData d; void* workspace; } AIWorkspaceMessage;

#ifdef __cplusplus
}
#endif

#endif
