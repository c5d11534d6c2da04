// AI Context: the application contexts a plug-in pushes while it handles a message.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIContext.h"

namespace host {

namespace {

std::uintptr_t gNextContext = 1;

ASErr PushAppContext(SPPluginRef plugin, AIAppContextHandle* context)
{
    if (ASErr error = injected(kAIAppContextSuite, "PushAppContext"))
        return error;
    if (context == nullptr)
        return kBadParameterErr;
    if (Host::get().plugins().find(plugin) == nullptr)
        return kBadHandleErr;
    *context = reinterpret_cast<AIAppContextHandle>(gNextContext++);
    Host::get().appContexts().push_back(*context);
    return kNoErr;
}

ASErr PopAppContext(AIAppContextHandle context)
{
    if (ASErr error = injected(kAIAppContextSuite, "PopAppContext"))
        return error;
    auto& contexts = Host::get().appContexts();
    if (contexts.empty() || contexts.back() != context)
        return kBadHandleErr;
    contexts.pop_back();
    return kNoErr;
}

const AIAppContextSuite kContext = {PushAppContext, PopAppContext};

} // namespace

void installContextSuite(SuiteRegistry& registry)
{
    registry.add(kAIAppContextSuite, kAIAppContextSuiteVersion, &kContext);
}

} // namespace host
