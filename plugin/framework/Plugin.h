// The framework's plug-in object: it turns (caller, selector) pairs into virtual operations,
// runs the lifecycle (startup, unload, reload, shutdown) and reports errors. A plug-in
// derives from it and overrides what it handles; every other operation keeps the answer
// given here.
#pragma once

#include "Suites.h"
#include "sdk/AIAnnotator.h"
#include "sdk/AIMenu.h"
#include "sdk/AINotifier.h"
#include "sdk/AIOtherCallers.h"
#include "sdk/AITool.h"
#include "sdk/SPMessage.h"

#include <ctime>

class Plugin;

// Made by the plug-in: a new object of its class, or null when memory ran out.
Plugin* AllocatePlugin(SPPluginRef pluginRef);
// Made by the plug-in: re-initialises the dispatch table of an object whose code was
// loaded again, leaving its fields as they are.
void FixupReload(Plugin* plugin);

// Reports an error to the user unless it is one of the filtered codes. No message text is
// registered for any code, so nothing is shown.
void DefaultError(SPPluginRef ref, ASErr error);
// True for the codes that are never reported.
bool FilteredError(ASErr error);

class Plugin {
public:
    explicit Plugin(SPPluginRef pluginRef);
    virtual ~Plugin();
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    bool SuitesAcquired() const { return fSuites != nullptr; }
    SPPluginRef GetPluginRef() const { return fPluginRef; }

    // The operations, in the order of their slots.
    virtual void ReportError(ASErr error, const char* caller, const char* selector, void* message);
    virtual ASErr LockPlugin(ASBoolean lock);
    virtual ASErr StartupPlugin(SPInterfaceMessage* message);
    virtual ASErr PostStartupPlugin();
    virtual ASErr ShutdownPlugin(SPInterfaceMessage* message);
    virtual ASErr UnloadPlugin(SPAccessMessage* message);
    virtual ASErr ReloadPlugin(SPAccessMessage* message);
    virtual ASErr AcquireProperty(SPPropertiesMessage* message);
    virtual ASErr ReleaseProperty(SPPropertiesMessage* message);
    virtual void GetPluginName(char* name, int length);
    virtual ASBoolean Purge();
    virtual ASErr Message(const char* caller, const char* selector, void* message);
    virtual ASErr SetGlobal(Plugin* plugin);
    virtual ASErr AllocateSuiteTables();
    virtual ASErr FillSuiteTables();
    virtual ASErr EmptySuiteTables();
    virtual ASErr AcquireOptionalSuites();
    virtual ASErr Notify(AINotifierMessage* message);
    virtual ASErr GoAction(DoActionMessage* message);
    virtual ASErr GoMenuItem(AIMenuMessage* message);
    virtual ASErr UpdateMenuItem(AIMenuMessage* message);
    virtual ASErr GetFilterParameters(AIFilterMessage* message);
    virtual ASErr GoFilter(AIFilterMessage* message);
    virtual ASErr PluginGroupNotify(AIPluginGroupMessage* message);
    virtual ASErr PluginGroupUpdate(AIPluginGroupMessage* message);
    virtual ASErr GetFileFormatParameters(AIFileFormatMessage* message);
    virtual ASErr GoFileFormat(AIFileFormatMessage* message);
    virtual ASErr CheckFileFormat(AIFileFormatMessage* message);
    virtual ASErr FileFormatUpdate(AIFileFormatMessage* message);
    virtual ASErr SetFileFormatParameters(AIFileFormatMessage* message);
    virtual ASErr EditTool(AIToolMessage* message);
    virtual ASErr TrackToolCursor(AIToolMessage* message);
    virtual ASErr ToolMouseDown(AIToolMessage* message);
    virtual ASErr ToolMouseDrag(AIToolMessage* message);
    virtual ASErr ToolMouseUp(AIToolMessage* message);
    virtual ASErr SelectTool(AIToolMessage* message);
    virtual ASErr DeselectTool(AIToolMessage* message);
    virtual ASErr ReselectTool(AIToolMessage* message);
    virtual ASErr DecreaseDiameter(AIToolMessage* message);
    virtual ASErr IncreaseDiameter(AIToolMessage* message);
    virtual ASErr EditLiveEffectParameters(AILiveEffectMessage* message);
    virtual ASErr GoLiveEffect(AILiveEffectMessage* message);
    virtual ASErr LiveEffectInterpolate(AILiveEffectMessage* message);
    virtual ASErr LiveEffectGetInputType(AILiveEffectMessage* message);
    virtual ASErr LiveEffectConvertColorSpace(AILiveEffectMessage* message);
    virtual ASErr LiveEffectScaleParameters(AILiveEffectMessage* message);
    virtual ASErr LiveEffectAdjustColors(AILiveEffectMessage* message);
    virtual ASErr LiveEffectHandleMerge(AILiveEffectMessage* message);
    virtual ASErr GoTimer(AITimerMessage* message);
    virtual ASErr GoClipboard(AIClipboardMessage* message);
    virtual ASErr CanCopyClipboard(AIClipboardMessage* message);
    virtual ASErr CloneClipboard(AIClipboardMessage* message);
    virtual ASErr DisposeClipboard(AIClipboardMessage* message);
    virtual ASErr WorkspaceWrite(AIWorkspaceMessage* message);
    virtual ASErr WorkspaceRestore(AIWorkspaceMessage* message);
    virtual ASErr WorkspaceDefault(AIWorkspaceMessage* message);

protected:
    // Used by FixupReload only: builds the dispatch table over an existing object and
    // leaves every field as it is. Every field is therefore of a trivial type.
    struct ReloadTag {};
    explicit Plugin(ReloadTag) {}

    // The host's clock when its User suite is held, the system's otherwise.
    static std::time_t CurrentTime();
    // Creates the Suites object; its acquisition error, if any, deletes it again.
    ASErr AcquireSuites();

    SPPluginRef fPluginRef;
    char fPluginName[256];
    Suites* fSuites;               // owned; null while the suites are not held
    ai_int32 fLockCount;
    SPAccessRef fPluginAccess;
    ASErr fLastError;
    ai_int64 fErrorTimeout;        // seconds
    bool fSupressDuplicateErrors;
    std::time_t fLastErrorTime;

    friend class PluginDispatch;
};
