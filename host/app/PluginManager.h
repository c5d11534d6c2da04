// The plug-ins the host has found: their code, the globals each keeps between messages, and
// the access references that keep their code loaded.
#pragma once

#include "sdk/SPBasic.h"
#include "sdk/SPMessage.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace ns {
class Bundle;
}
namespace host {

class EventLog;
class PreferenceStore;

struct PluginRecord {
    std::string bundleName;        // the bundle folder's name without ".bundle"
    std::string registeredName;    // what the plug-in gave the Plug-ins suite
    std::filesystem::path library; // empty for a plug-in linked into the host
    std::filesystem::path resources;
    ns::Bundle* bundle = nullptr;  // the toolkit's record of the bundle, when it has one
    void* code = nullptr;          // dlopen handle
    SPPluginMainProc main = nullptr;
    bool inProcess = false;
    void* globals = nullptr;
    bool started = false;          // "Startup" answered 0 and no "Shutdown" since
    ai_int32 options = 0;          // the Plug-in suite's option flags
    std::set<std::uintptr_t> accessReferences;

    // The name the log shows: the registered name once there is one.
    const std::string& displayName() const { return registeredName.empty() ? bundleName : registeredName; }
    bool codeLoaded() const { return main != nullptr; }
};

class PluginManager {
public:
    // Every message goes into `log`, carries `basic`, and what the plug-in stores while it
    // answers is saved to `preferences` once.
    PluginManager(EventLog& log, SPBasicSuite& basic, PreferenceStore& preferences)
        : log_(log), basic_(basic), preferences_(preferences)
    {
    }
    ~PluginManager();
    PluginManager(const PluginManager&) = delete;
    PluginManager& operator=(const PluginManager&) = delete;

    // Loads every "*.bundle" folder of `folder`, in name order. A bundle whose library cannot
    // be opened or has no PluginMain is left out with a warning.
    void loadFolder(const std::filesystem::path& folder);
    // A plug-in whose entry is linked into this process (tests use it).
    PluginRecord& addInProcess(const std::string& name, SPPluginMainProc main,
                               const std::filesystem::path& resources = {});

    const std::vector<std::unique_ptr<PluginRecord>>& all() const { return plugins_; }
    PluginRecord* find(SPPluginRef ref) const;
    static SPPluginRef refOf(PluginRecord& plugin) { return reinterpret_cast<SPPluginRef>(&plugin); }

    // Fills the message header, loads the code first if it was unloaded (the plug-in then
    // gets "SP Access"/"Reload" before the message), calls PluginMain, keeps the globals the
    // plug-in left and logs the result.
    ASErr send(PluginRecord& plugin, const char* caller, const char* selector, SPMessageData& message,
               const std::string& detail = {});

    // Gives up the plug-in's code unless an access reference keeps it. True when unloaded.
    bool unloadCode(PluginRecord& plugin);
    bool loadCode(PluginRecord& plugin);

    ASErr acquireAccess(SPPluginRef plugin, SPAccessRef* access);
    ASErr releaseAccess(SPAccessRef access);

    // Told when a message ends that no other message was being handled around: the end of
    // what a plug-in did for one event, where the document's history closes a step.
    using MessageEnded = std::function<void(const char* caller, const char* selector)>;
    void onMessageEnded(MessageEnded ended) { ended_ = std::move(ended); }

private:
    ASErr call(PluginRecord& plugin, const char* caller, const char* selector, SPMessageData& message,
               const std::string& detail);

    EventLog& log_;
    SPBasicSuite& basic_;
    PreferenceStore& preferences_;
    std::vector<std::unique_ptr<PluginRecord>> plugins_;
    std::uintptr_t nextAccess_ = 1;
    int depth_ = 0; // messages being handled, one inside another
    MessageEnded ended_;
};

} // namespace host
