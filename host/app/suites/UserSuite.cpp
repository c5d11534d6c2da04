// AI User: alerts (logged; shown in a modal window when a person is there, else dismissed at
// once), cursor resource managers, the host's clock, and the file dialogs (FileDialogs: the
// toolkit's where a person is there, else the answer a script gave ahead).
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIUser.h"
#include "document/Unicode.h"

#include <optional>
#include <string>

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

// The file the person takes in the dialog, into the plug-in's `path` of `capacity` bytes: an
// empty text there whenever none is given.
ASErr askForFile(const FileRequest& request, char* path, ai_int32 capacity)
{
    if (path == nullptr || capacity < 1)
        return kBadParameterErr;
    path[0] = '\0';
    const std::optional<std::string> chosen = Host::get().fileDialogs().ask(request);
    if (!chosen)
        return kCanceledErr;
    const std::string shown = "\"" + escapedAsInC(*chosen) + "\"";
    // A file name the system holds in other bytes cannot be handed over as UTF-8.
    if (!doc::isUtf8(*chosen)) {
        Host::get().log().warning("the file " + shown + " is not named in UTF-8: the dialog counts as cancelled");
        return kCanceledErr;
    }
    if (chosen->size() >= static_cast<size_t>(capacity)) {
        Host::get().log().warning("the file " + shown + " does not fit the plug-in's " + std::to_string(capacity) +
                                  " bytes");
        return kBadParameterErr;
    }
    chosen->copy(path, chosen->size());
    path[chosen->size()] = '\0';
    return kNoErr;
}

ASErr GetFileDialog(const char* title, char* path, ai_int32 capacity)
{
    if (ASErr error = injected(kAIUserSuite, "GetFileDialog"))
        return error;
    if (title == nullptr)
        return kBadParameterErr;
    return askForFile(FileRequest{true, title, {}, {}}, path, capacity);
}

ASErr PutFileDialog(const char* title, const char* defaultName, char* path, ai_int32 capacity)
{
    if (ASErr error = injected(kAIUserSuite, "PutFileDialog"))
        return error;
    if (title == nullptr)
        return kBadParameterErr;
    return askForFile(FileRequest{false, title, defaultName != nullptr ? defaultName : "", {}}, path, capacity);
}

const AIUserSuite kUser = {MessageAlert,   CreateCursorResourceMgr, DisposeCursorResourceMgr,
                           GetDateAndTime, GetFileDialog,           PutFileDialog};

} // namespace

void installUserSuite(SuiteRegistry& registry)
{
    registry.add(kAIUserSuite, kAIUserSuiteVersion, &kUser);
}

} // namespace host
