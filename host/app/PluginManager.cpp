#include "PluginManager.h"

#include "EventLog.h"
#include "FirstWhere.h"
#include "Messages.h"
#include "PreferenceStore.h"

#include "Bundle.h"
#include "ClassRegistry.h"

#include <dlfcn.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>

namespace host {

namespace fs = std::filesystem;

namespace {

// The classes a plug-in registered with the toolkit go with its code: what is made after
// that finds no class rather than a factory that is no longer there.
void closeCode(PluginRecord& plugin)
{
    ns::ClassRegistry::forgetBundle(plugin.bundle);
    dlclose(plugin.code);
    plugin.code = nullptr;
}

// A bundle that names its identifier in Info.json is registered with the toolkit, so that its
// code finds its resources the way it would on the platform. One that cannot be read is told.
ns::Bundle* registerBundle(EventLog& log, const fs::path& bundle)
{
    const fs::path info = bundle / "Info.json";
    std::error_code error;
    if (bundle.empty() || !fs::exists(info, error))
        return nullptr;
    std::ifstream in(info);
    const nlohmann::json json = nlohmann::json::parse(in, nullptr, false);
    if (json.is_discarded() || !json.is_object() || !json.contains("CFBundleIdentifier") ||
        !json["CFBundleIdentifier"].is_string()) {
        log.warning(info.string() + ": no \"CFBundleIdentifier\" string");
        return nullptr;
    }
    return &ns::Bundle::registerBundle(json["CFBundleIdentifier"].get<std::string>(), bundle);
}

} // namespace

PluginManager::~PluginManager()
{
    for (auto& plugin : plugins_)
        if (plugin->code != nullptr)
            closeCode(*plugin);
}

void PluginManager::loadFolder(const fs::path& folder)
{
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        log_.warning("no plug-ins folder at " + folder.string());
        return;
    }
    std::vector<fs::path> bundles;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.is_directory() && entry.path().extension() == ".bundle")
            bundles.push_back(entry.path());
    std::sort(bundles.begin(), bundles.end());

    for (const auto& bundle : bundles) {
        auto plugin = std::make_unique<PluginRecord>();
        plugin->bundleName = bundle.stem().string();
        plugin->library = bundle / (plugin->bundleName + ".so");
        plugin->resources = bundle / "Resources";
        if (!loadCode(*plugin))
            continue;
        plugin->bundle = registerBundle(log_, bundle);
        plugins_.push_back(std::move(plugin));
    }
}

PluginRecord& PluginManager::addInProcess(const std::string& name, SPPluginMainProc main,
                                          const fs::path& resources)
{
    auto plugin = std::make_unique<PluginRecord>();
    plugin->bundleName = name;
    plugin->resources = resources;
    plugin->main = main;
    plugin->inProcess = true;
    if (!resources.empty())
        plugin->bundle = registerBundle(log_, resources.parent_path());
    plugins_.push_back(std::move(plugin));
    return *plugins_.back();
}

PluginRecord* PluginManager::find(SPPluginRef ref) const
{
    return firstWhere(plugins_, [&](auto& plugin) { return refOf(plugin) == ref; });
}

bool PluginManager::loadCode(PluginRecord& plugin)
{
    if (plugin.codeLoaded())
        return true;
    void* code = dlopen(plugin.library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (code == nullptr) {
        const char* why = dlerror();
        log_.warning("cannot load " + plugin.library.string() + ": " + (why ? why : "unknown error"));
        return false;
    }
    auto* main = reinterpret_cast<SPPluginMainProc>(dlsym(code, kSPPluginMainName));
    if (main == nullptr) {
        log_.warning(plugin.library.string() + " has no " kSPPluginMainName);
        dlclose(code);
        return false;
    }
    plugin.code = code;
    plugin.main = main;
    return true;
}

bool PluginManager::unloadCode(PluginRecord& plugin)
{
    if (plugin.inProcess || !plugin.codeLoaded() || !plugin.accessReferences.empty())
        return false;
    closeCode(plugin);
    plugin.main = nullptr;
    log_.note(plugin.displayName() + ": code unloaded");
    return true;
}

ASErr PluginManager::send(PluginRecord& plugin, const char* caller, const char* selector,
                          SPMessageData& message, const std::string& detail)
{
    if (!plugin.codeLoaded()) {
        if (!loadCode(plugin))
            return kSPBadParameterError;
        log_.note(plugin.displayName() + ": code loaded again");
        const bool reloading = std::string_view(caller) == kSPAccessCaller &&
                               std::string_view(selector) == kSPAccessReloadSelector;
        if (!reloading && plugin.globals != nullptr) {
            AnyMessage reload = blankMessage();
            call(plugin, kSPAccessCaller, kSPAccessReloadSelector, reload.d, {});
        }
    }
    return call(plugin, caller, selector, message, detail);
}

ASErr PluginManager::call(PluginRecord& plugin, const char* caller, const char* selector,
                          SPMessageData& message, const std::string& detail)
{
    message.SPCheck = kSPValidSPMessageData;
    message.self = refOf(plugin);
    message.globals = plugin.globals;
    message.basic = &basic_;
    // What the plug-in stores while it handles the message reaches the disk once.
    const PreferenceStore::Batch batch = preferences_.batch();
    ASErr result = kNoErr;
    {
        // Counted back whatever way the call ends.
        struct Depth {
            int& depth;
            explicit Depth(int& d) : depth(++d) {}
            ~Depth() { --depth; }
        } inside(depth_);
        result = plugin.main(caller, selector, &message);
    }
    plugin.globals = message.globals;
    if (std::string_view(caller) == kSPInterfaceCaller) {
        if (std::string_view(selector) == kSPInterfaceStartupSelector && result == kNoErr)
            plugin.started = true;
        else if (std::string_view(selector) == kSPInterfaceShutdownSelector)
            plugin.started = false;
    }
    log_.message(plugin.displayName(), caller, selector, detail, result);
    if (depth_ == 0 && ended_)
        ended_(caller, selector);
    return result;
}

ASErr PluginManager::acquireAccess(SPPluginRef ref, SPAccessRef* access)
{
    if (access == nullptr)
        return kBadParameterErr;
    *access = nullptr;
    PluginRecord* plugin = find(ref);
    if (plugin == nullptr)
        return kBadHandleErr;
    const std::uintptr_t id = nextAccess_++;
    plugin->accessReferences.insert(id);
    *access = reinterpret_cast<SPAccessRef>(id);
    return kNoErr;
}

ASErr PluginManager::releaseAccess(SPAccessRef access)
{
    const auto id = reinterpret_cast<std::uintptr_t>(access);
    for (auto& plugin : plugins_)
        if (plugin->accessReferences.erase(id) != 0)
            return kNoErr;
    return kBadHandleErr;
}

} // namespace host
