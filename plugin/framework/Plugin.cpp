#include "Plugin.h"

#include <cstdio>
#include <cstring>
#include <new>

Plugin::Plugin(SPPluginRef pluginRef)
    : fPluginRef(pluginRef),
      fPluginName(),
      fSuites(nullptr),
      fLockCount(0),
      fPluginAccess(nullptr),
      fLastError(kNoErr),
      fErrorTimeout(5),
      fSupressDuplicateErrors(true),
      fLastErrorTime(0)
{
    std::strcpy(fPluginName, "Plugin");
}

Plugin::~Plugin()
{
    delete fSuites;
}

std::time_t Plugin::CurrentTime()
{
    ai_int64 now = 0;
    if (sAIUser != nullptr && sAIUser->GetDateAndTime(&now) == kNoErr)
        return static_cast<std::time_t>(now);
    return std::time(nullptr);
}

ASErr Plugin::AcquireSuites()
{
    fSuites = new (std::nothrow) Suites;
    if (fSuites == nullptr)
        return kOutOfMemoryErr;
    if (ASErr error = fSuites->Error()) {
        delete fSuites;
        fSuites = nullptr;
        return error;
    }
    Suites::SetAcquiredCount(1);
    return kNoErr;
}

ASErr Plugin::StartupPlugin(SPInterfaceMessage* message)
{
    ASErr error = SetGlobal(this);
    if (!error)
        error = AcquireSuites();
    if (!error)
        error = sSPPlugins->SetPluginName(message->d.self, fPluginName);
    if (!error) {
        char notifierName[sizeof fPluginName + 32];
        std::snprintf(notifierName, sizeof notifierName, "%s App Started Notifier", fPluginName);
        AINotifierHandle ignored = nullptr;
        error = sAINotifier->AddNotifier(message->d.self, notifierName, kAIApplicationStartedNotifier, &ignored);
    }
    if (!error)
        error = AllocateSuiteTables();
    if (!error)
        error = FillSuiteTables();
    if (!error)
        error = LockPlugin(true);
    return error;
}

ASErr Plugin::PostStartupPlugin()
{
    return kNoErr;
}

ASErr Plugin::LockPlugin(ASBoolean lock)
{
    ASErr error = kNoErr;
    if (lock) {
        if (++fLockCount == 1)
            error = sSPAccess->AcquirePlugin(fPluginRef, &fPluginAccess);
    } else {
        if (--fLockCount == 0) {
            if (fPluginAccess != nullptr)
                error = sSPAccess->ReleasePlugin(fPluginAccess);
            fPluginAccess = nullptr;
        }
        if (fLockCount < 0)
            fLockCount = 0;
    }
    return error;
}

ASErr Plugin::ShutdownPlugin(SPInterfaceMessage*)
{
    delete fSuites;
    fSuites = nullptr;
    SetGlobal(nullptr);
    return kNoErr;
}

ASErr Plugin::UnloadPlugin(SPAccessMessage*)
{
    EmptySuiteTables();
    SetGlobal(nullptr);
    delete fSuites;
    fSuites = nullptr;
    return kNoErr;
}

ASErr Plugin::ReloadPlugin(SPAccessMessage*)
{
    SetGlobal(this);
    if (fSuites == nullptr)
        if (ASErr error = AcquireSuites())
            return error;
    return FillSuiteTables();
}

ASErr Plugin::AcquireProperty(SPPropertiesMessage*)
{
    return kUnhandledMsgErr;
}

ASErr Plugin::ReleaseProperty(SPPropertiesMessage*)
{
    return kUnhandledMsgErr;
}

void Plugin::GetPluginName(char* name, int length)
{
    if (name == nullptr || length <= 0)
        return;
    std::strncpy(name, fPluginName, static_cast<size_t>(length) - 1);
    name[length - 1] = '\0';
}

ASBoolean Plugin::Purge()
{
    return false;
}

ASErr Plugin::SetGlobal(Plugin*)
{
    return kNoErr;
}

ASErr Plugin::AllocateSuiteTables()
{
    return kNoErr;
}

ASErr Plugin::FillSuiteTables()
{
    return kNoErr;
}

ASErr Plugin::EmptySuiteTables()
{
    return kNoErr;
}

ASErr Plugin::AcquireOptionalSuites()
{
    return fSuites == nullptr ? kNoErr : fSuites->AcquireOptionalSuites();
}

void Plugin::ReportError(ASErr error, const char*, const char*, void*)
{
    if (FilteredError(error))
        return;
    const std::time_t now = CurrentTime();
    // The last report was less than the time-out ago: now - last < time-out, which is
    // last + time-out > now without a sum that a clock at its end would overflow.
    ai_int64 since = 0;
    const bool recent = !__builtin_sub_overflow(static_cast<ai_int64>(now), static_cast<ai_int64>(fLastErrorTime), &since) &&
                        since < fErrorTimeout;
    if (error == fLastError && fSupressDuplicateErrors && recent)
        return;
    fLastError = error;
    fLastErrorTime = now;
    DefaultError(fPluginRef, error);
}

// Every message kind the framework does not handle itself: 0 for the ones a plug-in may
// ignore safely, "not handled" for the others, so that an unanswered message is seen.
ASErr Plugin::Notify(AINotifierMessage*) { return kNoErr; }
ASErr Plugin::GoAction(DoActionMessage*) { return kNoErr; }
ASErr Plugin::GoMenuItem(AIMenuMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::UpdateMenuItem(AIMenuMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GetFilterParameters(AIFilterMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GoFilter(AIFilterMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::PluginGroupNotify(AIPluginGroupMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::PluginGroupUpdate(AIPluginGroupMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GetFileFormatParameters(AIFileFormatMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GoFileFormat(AIFileFormatMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::CheckFileFormat(AIFileFormatMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::FileFormatUpdate(AIFileFormatMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::SetFileFormatParameters(AIFileFormatMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::EditTool(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::TrackToolCursor(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseDown(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseDrag(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseUp(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::SelectTool(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::DeselectTool(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ReselectTool(AIToolMessage*) { return kNoErr; }
ASErr Plugin::DecreaseDiameter(AIToolMessage*) { return kNoErr; }
ASErr Plugin::IncreaseDiameter(AIToolMessage*) { return kNoErr; }
ASErr Plugin::EditLiveEffectParameters(AILiveEffectMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GoLiveEffect(AILiveEffectMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectInterpolate(AILiveEffectMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectGetInputType(AILiveEffectMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectConvertColorSpace(AILiveEffectMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectScaleParameters(AILiveEffectMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectAdjustColors(AILiveEffectMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectHandleMerge(AILiveEffectMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GoTimer(AITimerMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GoClipboard(AIClipboardMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::CanCopyClipboard(AIClipboardMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::CloneClipboard(AIClipboardMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::DisposeClipboard(AIClipboardMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::WorkspaceWrite(AIWorkspaceMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::WorkspaceRestore(AIWorkspaceMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::WorkspaceDefault(AIWorkspaceMessage*) { return kUnhandledMsgErr; }
