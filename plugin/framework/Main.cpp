// The plug-in's one exported entry: every host message arrives here.
#include "Plugin.h"

#include <cstdio>
#include <cstring>

SPBasicSuite* sSPBasic = nullptr;

namespace {

bool Same(const char* a, const char* b)
{
    return std::strcmp(a, b) == 0;
}

} // namespace

extern "C" __attribute__((visibility("default"))) ASErr PluginMain(const char* caller, const char* selector,
                                                                   void* message)
{
    // A host that hands over nothing to read gets an answer, not a crash.
    if (caller == nullptr || selector == nullptr || message == nullptr)
        return kBadParameterErr;

    auto* messageData = static_cast<SPMessageData*>(message);
    auto* plugin = static_cast<Plugin*>(messageData->globals);
    ASErr error = kNoErr;
    sSPBasic = messageData->basic;

    // A repeated "Startup" finds the object there and is answered by its Message, rather than
    // leaking the running object behind a second one.
    if (plugin == nullptr && Same(caller, kSPInterfaceCaller) && Same(selector, kSPInterfaceStartupSelector)) {
        plugin = AllocatePlugin(messageData->self);
        if (plugin == nullptr) {
            error = kOutOfMemoryErr;
        } else {
            messageData->globals = plugin;
            error = plugin->StartupPlugin(static_cast<SPInterfaceMessage*>(message));
            if (error) {
                delete plugin;
                plugin = nullptr;
                messageData->globals = nullptr;
            }
        }
    }

    if (plugin != nullptr) {
        if (Same(caller, kSPInterfaceCaller) && Same(selector, kSPInterfaceShutdownSelector)) {
            error = plugin->ShutdownPlugin(static_cast<SPInterfaceMessage*>(message));
            delete plugin;
            plugin = nullptr;
            messageData->globals = nullptr;
        } else if (Same(caller, kSPAccessCaller) && Same(selector, kSPAccessReloadSelector)) {
            FixupReload(plugin);
            error = plugin->ReloadPlugin(static_cast<SPAccessMessage*>(message));
        } else if (plugin->SuitesAcquired()) {
            error = plugin->Message(caller, selector, message);
        } else {
            error = kNoErr;
        }
    }

    if (error == kUnhandledMsgErr) {
        std::fprintf(stderr, "Warning: Unhandled plugin message: caller \"%s\" selector \"%s\"\n", caller, selector);
        error = kNoErr;
    }

    if (error) {
        if (plugin != nullptr)
            plugin->ReportError(error, caller, selector, message);
        else
            DefaultError(messageData->self, error);
    }
    return error;
}
