// AI User: alerts (logged; shown in a modal window when a person is there, else dismissed at
// once), cursor resource managers and the host's clock.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIUser.h"

namespace host {

namespace {

ASErr MessageAlert(const char* text)
{
    if (ASErr error = injected(kAIUserSuite, "MessageAlert"))
        return error;
    if (text == nullptr)
        return kBadParameterErr;
    Host::get().alert(text);
    return kNoErr;
}

ASErr CreateCursorResourceMgr(SPPluginRef plugin, AIResourceManagerHandle* manager)
{
    if (ASErr error = injected(kAIUserSuite, "CreateCursorResourceMgr"))
        return error;
    if (manager == nullptr)
        return kBadParameterErr;
    if (Host::get().plugins().find(plugin) == nullptr)
        return kBadHandleErr;
    *manager = Host::get().resourceManagers().add(plugin);
    return kNoErr;
}

ASErr DisposeCursorResourceMgr(AIResourceManagerHandle manager)
{
    if (ASErr error = injected(kAIUserSuite, "DisposeCursorResourceMgr"))
        return error;
    return Host::get().resourceManagers().remove(manager) ? kNoErr : kBadHandleErr;
}

ASErr GetDateAndTime(ai_int64* secondsSinceEpoch)
{
    if (ASErr error = injected(kAIUserSuite, "GetDateAndTime"))
        return error;
    if (secondsSinceEpoch == nullptr)
        return kBadParameterErr;
    *secondsSinceEpoch = Host::get().clock().now();
    return kNoErr;
}

const AIUserSuite kUser = {MessageAlert, CreateCursorResourceMgr, DisposeCursorResourceMgr, GetDateAndTime,
                           NotImplemented<kAIUserSuite, "GetFileDialog", decltype(AIUserSuite::GetFileDialog)>::call,
                           NotImplemented<kAIUserSuite, "PutFileDialog", decltype(AIUserSuite::PutFileDialog)>::call};

} // namespace

void installUserSuite(SuiteRegistry& registry)
{
    registry.add(kAIUserSuite, kAIUserSuiteVersion, &kUser);
}

} // namespace host
