// Plugin::Message: the table that turns a (caller, selector) pair into an operation.
#include "AppContext.h"
#include "Plugin.h"

#include <cstring>

namespace {

// The message type an operation takes, from its member-function pointer.
template <typename Operation>
struct MessageOf;
template <typename Message>
struct MessageOf<ASErr (Plugin::*)(Message*)> {
    using type = Message;
};

template <auto Operation>
ASErr Call(Plugin& plugin, void* message)
{
    using Message = typename MessageOf<decltype(Operation)>::type;
    return (plugin.*Operation)(static_cast<Message*>(message));
}

ASErr Answer0(Plugin&, void*)
{
    return kNoErr;
}

ASErr CallPurge(Plugin& plugin, void*)
{
    return plugin.Purge() ? kSPPluginCachesFlushResponse : kNoErr;
}

struct Route {
    const char* caller;
    const char* selector;
    ASErr (*handle)(Plugin&, void*);
};

const Route kRoutes[] = {
    {kSPAccessCaller, kSPAccessUnloadSelector, Call<&Plugin::UnloadPlugin>},
    {kSPAccessCaller, kSPAccessReloadSelector, Call<&Plugin::ReloadPlugin>},
    {kSPInterfaceCaller, kSPInterfaceAboutSelector, Answer0},
    {kSPInterfaceCaller, kSPInterfaceStartupSelector, Answer0},
    {kSPCacheCaller, kSPPluginPurgeCachesSelector, CallPurge},
    {kSPPropertiesCaller, kSPPropertiesAcquireSelector, Call<&Plugin::AcquireProperty>},
    {kSPPropertiesCaller, kSPPropertiesReleaseSelector, Call<&Plugin::ReleaseProperty>},
    {kActionCaller, kDoActionSelector, Call<&Plugin::GoAction>},
    {kCallerAIMenu, kSelectorAIGoMenuItem, Call<&Plugin::GoMenuItem>},
    {kCallerAIMenu, kSelectorAIUpdateMenuItem, Call<&Plugin::UpdateMenuItem>},
    {kCallerAIFilter, kSelectorAIGetFilterParameters, Call<&Plugin::GetFilterParameters>},
    {kCallerAIFilter, kSelectorAIGoFilter, Call<&Plugin::GoFilter>},
    {kCallerAIPluginGroup, kSelectorAINotifyEdits, Call<&Plugin::PluginGroupNotify>},
    {kCallerAIPluginGroup, kSelectorAIUpdateArt, Call<&Plugin::PluginGroupUpdate>},
    {kCallerAIFileFormat, kSelectorAIGetFileFormatParameters, Call<&Plugin::GetFileFormatParameters>},
    {kCallerAIFileFormat, kSelectorAIGoFileFormat, Call<&Plugin::GoFileFormat>},
    {kCallerAIFileFormat, kSelectorAICheckFileFormat, Call<&Plugin::CheckFileFormat>},
    {kCallerAIFileFormat, kSelectorAIUpdateFileFormat, Call<&Plugin::FileFormatUpdate>},
    {kCallerAIFileFormat, kSelectorAISetFileFormatParameters, Call<&Plugin::SetFileFormatParameters>},
    {kCallerAITool, kSelectorAIEditToolOptions, Call<&Plugin::EditTool>},
    {kCallerAITool, kSelectorAITrackToolCursor, Call<&Plugin::TrackToolCursor>},
    {kCallerAITool, kSelectorAIToolMouseDown, Call<&Plugin::ToolMouseDown>},
    {kCallerAITool, kSelectorAIToolMouseDrag, Call<&Plugin::ToolMouseDrag>},
    {kCallerAITool, kSelectorAIToolMouseUp, Call<&Plugin::ToolMouseUp>},
    {kCallerAITool, kSelectorAISelectTool, Call<&Plugin::SelectTool>},
    {kCallerAITool, kSelectorAIDeselectTool, Call<&Plugin::DeselectTool>},
    {kCallerAITool, kSelectorAIReselectTool, Call<&Plugin::ReselectTool>},
    {kCallerAITool, kSelectorAIToolDecreaseDiameter, Call<&Plugin::DecreaseDiameter>},
    {kCallerAITool, kSelectorAIToolIncreaseDiameter, Call<&Plugin::IncreaseDiameter>},
    {kCallerAILiveEffect, kSelectorAIEditLiveEffectParameters, Call<&Plugin::EditLiveEffectParameters>},
    {kCallerAILiveEffect, kSelectorAIGoLiveEffect, Call<&Plugin::GoLiveEffect>},
    {kCallerAILiveEffect, kSelectorAILiveEffectInterpolate, Call<&Plugin::LiveEffectInterpolate>},
    {kCallerAILiveEffect, kSelectorAILiveEffectInputType, Call<&Plugin::LiveEffectGetInputType>},
    {kCallerAILiveEffect, kSelectorAILiveEffectScaleParameters, Call<&Plugin::LiveEffectScaleParameters>},
    {kCallerAILiveEffect, kSelectorAILiveEffectConverColorSpace, Call<&Plugin::LiveEffectConvertColorSpace>},
    {kCallerAILiveEffect, kSelectorAILiveEffectAdjustColors, Call<&Plugin::LiveEffectAdjustColors>},
    {kCallerAILiveEffect, kSelectorAILiveEffectHandleMerge, Call<&Plugin::LiveEffectHandleMerge>},
    {kCallerAITimer, kSelectorAIGoTimer, Call<&Plugin::GoTimer>},
    {kCallerAIClipboard, kSelectorAIGoClipboard, Call<&Plugin::GoClipboard>},
    {kCallerAIClipboard, kSelectorAICanCopyClipboard, Call<&Plugin::CanCopyClipboard>},
    {kCallerAIClipboard, kSelectorAICloneClipboard, Call<&Plugin::CloneClipboard>},
    {kCallerAIClipboard, kSelectorAIDisposeClipboard, Call<&Plugin::DisposeClipboard>},
    {kAIWorkspaceCaller, kAIWSWriteSelector, Call<&Plugin::WorkspaceWrite>},
    {kAIWorkspaceCaller, kAIWSRestoreSelector, Call<&Plugin::WorkspaceRestore>},
    {kAIWorkspaceCaller, kAIWSDefaultSelector, Call<&Plugin::WorkspaceDefault>},
};

bool Same(const char* a, const char* b)
{
    return std::strcmp(a, b) == 0;
}

} // namespace

ASErr Plugin::Message(const char* caller, const char* selector, void* message)
{
    ASErr error = AcquireOptionalSuites();
    if (error)
        return error;
    error = kUnhandledMsgErr;

    if (Same(caller, kCallerAINotify)) {
        AppContext context(fPluginRef);
        auto* notification = static_cast<AINotifierMessage*>(message);
        if (notification->type != nullptr && Same(notification->type, kAIApplicationStartedNotifier))
            error = PostStartupPlugin();
        if ((error == kNoErr || error == kUnhandledMsgErr) && Same(selector, kSelectorAINotify))
            error = Notify(notification);
        return error;
    }

    for (const Route& route : kRoutes)
        if (Same(caller, route.caller) && Same(selector, route.selector))
            return route.handle(*this, message);
    return error;
}
