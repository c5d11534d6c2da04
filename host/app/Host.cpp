#include "Host.h"

#include "Application.h"
#include "Messages.h"
#include "suites/InstallSuites.h"
#include "Sound.h"
#include "Workspace.h"

#include <cstdio>
#include <cstdlib>

namespace host {

Host::Host(HostOptions options) : options_(std::move(options))
{
    if (current_ != nullptr) {
        std::fprintf(stderr, "varo-host: a second host was created while one exists\n");
        std::abort();
    }
    current_ = this;
    basic_ = basicSuite();
    installSuites(suites_);
    if (!options_.preferencesFile.empty())
        preferences_ = PreferenceStore(options_.preferencesFile, [this](const std::string& text) { log_.warning(text); });
    // Nothing is heard here: what plays is written down.
    ns::Sound::setPlayListener([this](const ns::Sound& sound) { log_.note("sound \"" + sound.name() + "\""); });
    // Nor is a browser opened: the address is written down.
    ns::Workspace::sharedWorkspace().setOpenListener([this](const std::string& url) { log_.note("open URL \"" + escapedAsInC(url) + "\""); });
    toolEvents_.addHostTool(&selection_);
    toolEvents_.addHostTool(&typeTool_);
    // What is being typed into is kept before a menu item acts on the document.
    menus_.setBeforeGo([this] { typeTool_.finish(); });
    // What a plug-in changed while its tool or its menu item answered one event is one step of
    // the history; a tool's press and drags are one gesture with the release that ends them.
    // Other messages (notifications, annotation passes, which may come in the middle of a
    // gesture) change no drawing: what is recorded waits for the next closing.
    plugins_.onMessageEnded([this](const char* caller, const char* selector) {
        const std::string_view from = caller, message = selector;
        if (from == kCallerAIMenu || (from == kCallerAITool && message != kSelectorAIToolMouseDown &&
                                      message != kSelectorAIToolMouseDrag))
            history_.close(stepName(caller));
    });
    if (!options_.pluginsFolder.empty())
        plugins_.loadFolder(options_.pluginsFolder);
}

Host::~Host()
{
    // The application quits before it goes: running plug-ins are told, as at a normal exit.
    bool running = false;
    for (const auto& plugin : plugins_.all())
        running = running || plugin->started;
    if (running)
        quit();
    ns::Sound::setPlayListener(nullptr);
    ns::Workspace::sharedWorkspace().setOpenListener(nullptr);
    current_ = nullptr;
}

doc::FontList& Host::fonts()
{
    if (!fonts_)
        fonts_ = std::make_unique<doc::FontList>(options_.fonts, options_.defaultFont);
    return *fonts_;
}

void Host::noHost()
{
    std::fprintf(stderr, "varo-host: a suite was called with no host\n");
    std::abort();
}

bool Host::commitTypedFields()
{
    const bool uninterrupted = panels_.commitEditing();
    typeTool_.finish();
    if (ns::Application::sharedApplication().modalWindow() == nullptr)
        deliverPendingEvents();
    return uninterrupted;
}

void Host::replaceDocument(doc::Document&& opened)
{
    typeTool_.finish();
    selection_.pick({});
    history_.clear();
    const uint64_t former = document_.changes();
    document_ = std::move(opened);
    document_.countOnFrom(former);
}

void Host::alert(const std::string& text)
{
    log_.alert(text);
    if (alertPresenter_)
        alertPresenter_(text);
}

void Host::launch()
{
    if (launched_) {
        log_.warning("launch: the application is already running");
        return;
    }
    // What the plug-ins registered in the first run (tools, menus, panels) is still here: a
    // second start would find their names taken. The application starts once a session.
    if (quit_) {
        log_.warning("launch: the application has quit; it starts once a session");
        return;
    }
    launched_ = true;
    for (const auto& plugin : plugins_.all()) {
        AnyMessage message = blankMessage();
        plugins_.send(*plugin, kSPInterfaceCaller, kSPInterfaceStartupSelector, message.d);
    }
    notifiers_.deliver(kAIApplicationStartedNotifier);
    // The interface takes its theme as the application's windows first show: the plug-ins
    // hear its brightness then, as they do at every later change.
    notifiers_.deliver(kAIUIBrightnessChangedNotifier);
}

void Host::quit()
{
    typeTool_.finish();
    notifiers_.deliver(kAIApplicationShutdownNotifier);
    for (const auto& plugin : plugins_.all()) {
        if (!plugin->started)
            continue;
        AnyMessage message = blankMessage();
        plugins_.send(*plugin, kSPInterfaceCaller, kSPInterfaceShutdownSelector, message.d);
    }
    quit_ = quit_ || launched_;
    launched_ = false;
}

void Host::sendPlain(const std::string& caller, const std::string& selector)
{
    for (const auto& plugin : plugins_.all()) {
        AnyMessage message = blankMessage();
        plugins_.send(*plugin, caller.c_str(), selector.c_str(), message.d);
    }
}

void Host::unload()
{
    for (const auto& plugin : plugins_.all()) {
        AnyMessage message = blankMessage();
        plugins_.send(*plugin, kSPAccessCaller, kSPAccessUnloadSelector, message.d);
        if (!plugins_.unloadCode(*plugin) && !plugin->inProcess)
            log_.note(plugin->displayName() + ": code kept loaded by an access reference");
    }
}

void Host::reload()
{
    for (const auto& plugin : plugins_.all()) {
        AnyMessage message = blankMessage();
        plugins_.send(*plugin, kSPAccessCaller, kSPAccessReloadSelector, message.d);
    }
}

std::string Host::stepName(const char* caller) const
{
    constexpr std::string_view kTool = " Tool";
    if (std::string_view(caller) == kCallerAITool && tools_.selected() != nullptr) {
        std::string_view title = tools_.selected()->title;
        if (title.size() > kTool.size() && title.ends_with(kTool))
            title.remove_suffix(kTool.size());
        return std::string(title);
    }
    return "Change";
}

std::string Host::takeStep(std::string (UndoHistory::*take)(), const char* what)
{
    if (!commitTypedFields())
        return {};
    const std::string step = (history_.*take)();
    // Back where it was saved: nothing to save.
    if (!step.empty() && history_.atSaved())
        document_.markSaved();
    if (step.empty()) {
        log_.warning(std::string("nothing to ") + what);
        return step;
    }
    log_.note(std::string(what) + " \"" + step + "\"");
    notifiers_.deliver(kAIUndoRedoNotifier);
    return step;
}

} // namespace host
