// The stand-in host: it finds the plug-ins, lends them its suites and sends them messages.
// One host exists at a time; the suites' C functions reach it through Host::get().
#pragma once

#include "AnnotationDrawing.h"
#include "Annotators.h"
#include "Clock.h"
#include "DataFilters.h"
#include "DocumentView.h"
#include "EventLog.h"
#include "FaultInjector.h"
#include "FieldCommitter.h"
#include "FileDialogs.h"
#include "HandleTable.h"
#include "Notifiers.h"
#include "PluginManager.h"
#include "PreferenceStore.h"
#include "Menus.h"
#include "Panels.h"
#include "ToolEvents.h"
#include "Tools.h"
#include "Selection.h"
#include "TypeTool.h"
#include "UndoHistory.h"
#include "SuiteRegistry.h"
#include "Theme.h"
#include "document/Document.h"
#include "document/Fonts.h"
#include "document/TextEngine.h"
#include "sdk/AIDictionary.h"
#include "sdk/SPBasic.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace host {

// A reference the Dictionary suite handed out: the art whose dictionary it reaches, and how
// many times it was taken and not yet released.
struct DictionaryReference {
    AIArtHandle art = nullptr;
    uint32_t taken = 1;
};

struct HostOptions {
    std::filesystem::path pluginsFolder; // empty: load no bundle (tests add plug-ins in process)
    std::filesystem::path preferencesFile;
    std::optional<std::vector<std::string>> fonts; // the font list; unset: the machine's fonts
    std::optional<std::string> defaultFont;          // one of `fonts`; unset: the first
};

class Host : public FieldCommitter {
public:
    explicit Host(HostOptions options);
    ~Host() override;
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The host that exists now. Calling it with no host is a programming error. Every suite
    // call asks for it, so the answer is inline.
    static Host& get()
    {
        if (current_ == nullptr)
            noHost();
        return *current_;
    }

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
    Panels& panels() { return panels_; }
    // The streams the Data Filter suite has handed out and not yet freed.
    DataFilters& dataFilters() { return dataFilters_; }
    Annotators& annotators() { return annotators_; }
    // The pointer's events to the selected tool, and the point and keys it last had.
    ToolEvents& toolEvents() { return toolEvents_; }
    AnnotationPass& annotationPass() { return annotationPass_; }
    DocumentView& documentView() { return documentView_; }
    Theme& theme() { return theme_; }
    // The store of options().preferencesFile, loaded when the host starts; in memory only
    // when no file is given.
    PreferenceStore& preferences() { return preferences_; }
    doc::Document& document() { return document_; }
    // Its undo history: each message to a plug-in that changed it is a step, named after the
    // tool it went to ("Table" for the "Table Tool"), and the host's commands close their own.
    UndoHistory& history() { return history_; }
    // Edit › Undo and Redo: what a field holds goes first (it is the last change, the first to
    // take back), then the history's step; the log notes `undo "Table"`, or warns that there
    // was nothing. A step taken is then told to the plug-ins ("AI Undo Redo Notifier"): art
    // they keep handles to may have changed under them. The step's name, empty for none; an
    // alert the field's commit raised stops it.
    std::string undo() { return takeStep(&UndoHistory::undo, "undo"); }
    std::string redo() { return takeStep(&UndoHistory::redo, "redo"); }
    // A drawing opened in the place of the document: nothing is picked any more, and the
    // history starts anew with it, as it does for a document opened in the host it stands for.
    // The plug-ins' handles to the former art stay invalid: the opened document's sequence
    // continues the former's (see Document::handleSequence).
    void replaceDocument(doc::Document&& opened);
    // The document was saved as it stands: not modified, and so again once undo or redo bring
    // it back to this state.
    void markSaved()
    {
        history_.markSaved();
        document_.markSaved();
    }
    // What the selection tool picked.
    Selection& selection() { return selection_; }
    // The Type tool, and the text being typed into with it.
    TypeTool& typeTool() { return typeTool_; }
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

    // What the event loop answers before the next input: every keyboard event posted since
    // becomes a track-cursor message to the selected tool (see ToolEvents::deliverPending).
    // The number of messages sent.
    size_t deliverPendingEvents() { return toolEvents_.deliverPending(); }
    // What was typed into a field of the panels goes, as leaving the field sends it, and the
    // change it asked for is drawn; the text being typed into with the Type tool is kept (its
    // step of the history closed): before the pointer acts on the artboard, another tool is
    // chosen, the drawing is saved, opened or quit, or a step is undone. False when an alert
    // took the person's attention meanwhile: the act that asked is then dropped.
    bool commitTypedFields() override;

    // A modal alert with its text and an OK button: logged, then shown by the presenter when
    // a person is there to see it (a window session), returning once it is dismissed.
    void alert(const std::string& text);
    using AlertPresenter = std::function<void(const std::string& text)>;
    void setAlertPresenter(AlertPresenter presenter) { alertPresenter_ = std::move(presenter); }
    // Whether a person is there to see alerts.
    bool presentsAlerts() const { return static_cast<bool>(alertPresenter_); }

    // A drawing pass of the active annotators over the document view: what they drew.
    std::vector<DrawnItem> drawAnnotations() { return annotationPass_.draw(); }

    // Application contexts pushed by plug-ins, innermost last.
    std::vector<AIAppContextHandle>& appContexts() { return appContexts_; }
    HandleTable<AIResourceManagerHandle, SPPluginRef>& resourceManagers() { return resourceManagers_; }
    // The references to art dictionaries the Dictionary suite handed out and are not yet
    // released.
    HandleTable<AIDictionaryRef, DictionaryReference>& dictionaries() { return dictionaries_; }
    // The file dialogs plug-ins ask for, and the answers a script gives them ahead.
    FileDialogs& fileDialogs() { return fileDialogs_; }

private:
    [[noreturn]] static void noHost();
    static inline Host* current_ = nullptr;

    // A step's name: the tool's title without " Tool" for what a tool did, "Change" otherwise.
    std::string stepName(const char* caller) const;
    std::string takeStep(std::string (UndoHistory::*take)(), const char* what);

    HostOptions options_;
    SuiteRegistry suites_;
    FaultInjector faults_;
    Clock clock_;
    EventLog log_;
    SPBasicSuite basic_{};
    // Before the parts that are given them below, so that each is there when they are.
    DocumentView documentView_;
    PreferenceStore preferences_;
    PluginManager plugins_{log_, basic_, preferences_};
    Notifiers notifiers_{plugins_};
    Tools tools_{plugins_, *this};
    Menus menus_{plugins_};
    Panels panels_; // after plugins_: the plug-ins' views in the panels go before their code
    DataFilters dataFilters_;
    Annotators annotators_;
    ToolEvents toolEvents_{tools_, plugins_, log_, clock_, documentView_, *this};
    AnnotationPass annotationPass_{annotators_, plugins_, log_, documentView_};
    Theme theme_;
    doc::Document document_;
    UndoHistory history_{document_};
    Selection selection_{document_, history_, notifiers_};
    TypeTool typeTool_{document_, history_, selection_};
    std::unique_ptr<doc::FontList> fonts_;
    doc::TextEngine textEngine_;
    std::vector<AIAppContextHandle> appContexts_;
    HandleTable<AIResourceManagerHandle, SPPluginRef> resourceManagers_;
    HandleTable<AIDictionaryRef, DictionaryReference> dictionaries_;
    FileDialogs fileDialogs_{log_};
    AlertPresenter alertPresenter_;
    bool launched_ = false;
    bool quit_ = false; // launched and quit: it does not start again
};

} // namespace host
