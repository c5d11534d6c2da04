// The stand-in host: it finds the plug-ins, lends them its suites and sends them messages.
// One host exists at a time; the suites' C functions reach it through Host::get().
#pragma once

#include "Annotators.h"
#include "DocumentView.h"
#include "EventLog.h"
#include "FaultInjector.h"
#include "HandleTable.h"
#include "Notifiers.h"
#include "PluginManager.h"
#include "Menus.h"
#include "Tools.h"
#include "SuiteRegistry.h"
#include "Theme.h"
#include "document/Document.h"
#include "document/Fonts.h"
#include "document/TextEngine.h"
#include "sdk/SPBasic.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace host {

struct HostOptions {
    std::filesystem::path pluginsFolder; // empty: load no bundle (tests add plug-ins in process)
    std::filesystem::path preferencesFile;
    std::optional<std::vector<std::string>> fonts; // the font list; unset: the machine's fonts
};

class Host {
public:
    explicit Host(HostOptions options);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The host that exists now. Calling it with no host is a programming error.
    static Host& get();
    static Host* current();

    const HostOptions& options() const { return options_; }
    SuiteRegistry& suites() { return suites_; }
    FaultInjector& faults() { return faults_; }
    Clock& clock() { return clock_; }
    EventLog& log() { return log_; }
    const EventLog& log() const { return log_; }
    PluginManager& plugins() { return plugins_; }
    Notifiers& notifiers() { return notifiers_; }
    Tools& tools() { return tools_; }
    Menus& menus() { return menus_; }
    Annotators& annotators() { return annotators_; }
    DocumentView& documentView() { return documentView_; }
    Theme& theme() { return theme_; }
    doc::Document& document() { return document_; }
    const doc::Document& document() const { return document_; }
    // The font list of options().fonts, made at the first call (so that a host whose fonts
    // nobody asks for never scans the machine's fonts).
    doc::FontList& fonts();
    // The references handed out by the text-engine suites and the Unicode strings.
    doc::TextEngine& textEngine() { return textEngine_; }
    const doc::TextEngine& textEngine() const { return textEngine_; }
    SPBasicSuite* basic() { return &basic_; }

    // The answer a suite operation gives when a test made it fail; 0 to go ahead.
    ASErr injected(std::string_view suite, std::string_view operation) const
    {
        return faults_.check(suite, operation);
    }

    // "Startup" to every plug-in, then the application-started notification.
    void launch();
    // The application-shutdown notification, then "Shutdown" to every started plug-in.
    void quit();
    // A message with only the common header, to every plug-in.
    void sendPlain(const std::string& caller, const std::string& selector);
    // "SP Access"/"Unload" to every plug-in; then the code of each that holds no access
    // reference is unloaded.
    void unload();
    // "SP Access"/"Reload" to every plug-in, its code loaded again first where it was unloaded.
    void reload();

    bool launched() const { return launched_; }

    // Application contexts pushed by plug-ins, innermost last.
    std::vector<AIAppContextHandle>& appContexts() { return appContexts_; }
    HandleTable<AIResourceManagerHandle, SPPluginRef>& resourceManagers() { return resourceManagers_; }

private:
    HostOptions options_;
    SuiteRegistry suites_;
    FaultInjector faults_;
    Clock clock_;
    EventLog log_;
    SPBasicSuite basic_{};
    PluginManager plugins_;
    Notifiers notifiers_;
    Tools tools_;
    Menus menus_;
    Annotators annotators_;
    DocumentView documentView_;
    Theme theme_;
    doc::Document document_;
    std::unique_ptr<doc::FontList> fonts_;
    doc::TextEngine textEngine_;
    std::vector<AIAppContextHandle> appContexts_;
    HandleTable<AIResourceManagerHandle, SPPluginRef> resourceManagers_;
    bool launched_ = false;
};

} // namespace host
