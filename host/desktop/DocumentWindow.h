// The document window: the menu bar along the top, the tool strip down the left and the
// artboard in the rest. It exists in every run, shown or not, so that a script can take the
// same picture of it that a screen shows. Saving writes the document as SVG and as PNG beside
// it, both or neither, and says which in the title; Quit asks whoever runs the events to stop.
#pragma once

#include "ArtboardView.h"
#include "MenuBar.h"
#include "ToolStrip.h"
#include "Window.h"

#include "FileDialogs.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace host {
class Host;
}

namespace host::desktop {

class DocumentWindow : private ns::WindowDelegate {
public:
    // The artboard at zoom 1: 700 x 942 points.
    static constexpr double kDefaultWidth = ToolStrip::kWidth + 700, kDefaultHeight = MenuBar::kHeight + 942;

    // `savePath` is where Save writes the SVG.
    DocumentWindow(Host& host, std::filesystem::path savePath);
    ~DocumentWindow();
    DocumentWindow(const DocumentWindow&) = delete;
    DocumentWindow& operator=(const DocumentWindow&) = delete;

    // The one document window of the run; null when there is none.
    static DocumentWindow* current();

    ns::Window& window() { return *window_; }
    ArtboardView& artboard() { return *artboard_; }
    MenuBar& menuBar() { return *menuBar_; }
    ToolStrip& toolStrip() { return *toolStrip_; }

    // A key of what the window shows: it moves whenever its picture would change (the
    // artboard, the selected tool, the tools, the theme, the menus' titles).
    uint64_t version();

    // Lays the views out in a window of that size (points), the artboard fitted.
    void resize(ns::Size size);

    // Writes the SVG and the PNG beside it, both or neither. The title says where, or that
    // nothing was saved and why; a failure is also a warning in the log. Empty on success, the
    // reason otherwise.
    std::string save();
    // Save As: the SVG (and its PNG) at that place, which the drawing then saves to; or, for a
    // name ending in ".pdf", a PDF of the drawing, an export that changes neither where the
    // drawing saves nor whether it has changes to save. Empty on success, the reason otherwise.
    std::string saveAs(const std::filesystem::path& path);
    // Opens the SVG drawing in the place of the document, which then saves there; the history
    // starts anew. The reason it could not be (the document then stays as it was), empty on
    // success. What a drawing the host did not write held and the host cannot draw is said in
    // the log and the title, and in an alert where a person is there to see it.
    std::string open(const std::filesystem::path& path);
    // File › Open… and Save As…: the question about the changes first when opening over them,
    // then the file dialog; nothing happens when it is cancelled.
    void chooseAndOpen();
    void chooseAndSaveAs();
    // Where Save writes.
    const std::filesystem::path& savePath() const { return savePath_; }
    // Asks the file dialog the request describes (File › Open… and Save As…, and the dialogs
    // plug-ins ask for) and answers the file taken, none when cancelled: the toolkit's dialog
    // (ns::OpenPanel, ns::SavePanel), run modally in the drawing's folder, unless another chooser
    // is given (tests give one).
    std::optional<std::filesystem::path> askForFile(const FileRequest& request);
    using FileChooser = std::function<std::optional<std::filesystem::path>(const FileRequest& request)>;
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    // The recovery file: written `interval` after a change not yet saved or written, at the
    // turn of the event loop that calls keepRecovery; removed when the drawing is saved or the
    // window closes cleanly.
    void setRecoveryInterval(std::chrono::steady_clock::duration interval) { recoveryInterval_ = interval; }
    void keepRecovery(std::chrono::steady_clock::time_point now);
    // Writes the recovery file now when there are changes not saved (the session ends without
    // asking: a signal).
    void writeRecoveryNow();
    // When a recovery file newer than the drawing lies beside it (the last session ended before
    // its changes were saved), asks whether to restore it and, when the person says so, opens it
    // as the drawing's changes not yet saved. True when it restored them.
    bool offerRecovery();
    // The recovery file of a drawing: beside it, "NAME.svg.recovery".
    static std::filesystem::path recoveryFileFor(const std::filesystem::path& drawing);
    // The history's last step taken back, or the last undone done again (Edit's first items).
    void undo();
    void redo();
    void zoomBy(double factor);
    void fit();
    // Quit was asked for (Ctrl+Q, the menu, the window closed); whoever runs the events
    // stops at its next turn.
    // Quit (Ctrl+Q, or the window closed): with changes not saved, the question "Save changes
    // to NAME before closing?" first. Save saves and quits (a failed save stays), Don't Save
    // quits, Cancel stays. True when the session is to end.
    bool requestQuit();
    bool quitRequested() const { return quitRequested_; }
    // Asks the question and answers 0 (Save), 1 (Don't Save) or anything else (Cancel); an
    // alert run modally unless another is given (tests give one).
    using Question = std::function<int(const std::string& text)>;
    void setQuestion(Question question) { question_ = std::move(question); }

    // The keys of the host's own items, with Command (Ctrl on this keyboard): S (with Shift:
    // Save As), O, Q, +, =, -, 0, Z (with Shift: redo) and Y (redo), Menus::kHostKeys; then
    // those plug-ins gave their items (Ctrl or Ctrl+Shift, no other modifier), which choose the
    // item as the menu does. True when the key was one of them. While a dialog runs modally,
    // they wait, with a warning.
    bool performKeyEquivalent(const ns::Event& event);

private:
    // A press in another window, or on the window's strip or bar: the text being typed into
    // on the artboard is kept, its edit ended.
    void windowCommitEditing(ns::Window& window) override;
    std::string titleFor(const std::string& status) const;
    // With changes not saved, the question "Save changes to NAME before closing?": true when the
    // drawing may go (saved, or the person does not want them), false to keep it.
    bool settleChanges();
    void sayStatus(std::string status);
    // A save, an export or an open that failed: "WHAT: REASON" in the log and the title; the
    // reason.
    std::string failed(const std::string& what, const std::string& reason);
    // The recovery file of that drawing goes; none is due any more.
    void removeRecovery(const std::filesystem::path& drawing);

    Host& host_;
    std::filesystem::path savePath_;
    std::unique_ptr<ns::Window> window_;
    MenuBar* menuBar_ = nullptr;
    ToolStrip* toolStrip_ = nullptr;
    ArtboardView* artboard_ = nullptr;
    bool quitRequested_ = false;
    std::string status_; // what the title says of the last save
    Question question_;
    FileChooser chooser_;
    bool asking_ = false;
    std::chrono::steady_clock::duration recoveryInterval_ = std::chrono::seconds(30);
    std::optional<std::chrono::steady_clock::time_point> recoveryDue_;
    uint64_t recovered_ = 0; // the document's change count the recovery file holds
    uint64_t version_ = 0;
    std::string seen_; // what the strip and the bar showed at the last version
};

} // namespace host::desktop
