// The document window: the menu bar along the top, the tool strip down the left and the
// artboard in the rest. It exists in every run, shown or not, so that a script can take the
// same picture of it that a screen shows. Saving writes the document as SVG and as PNG beside
// it, both or neither, and says which in the title; Quit asks whoever runs the events to stop.
#pragma once

#include "ArtboardView.h"
#include "MenuBar.h"
#include "ToolStrip.h"
#include "Window.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace host {
class Host;
}

namespace host::desktop {

class DocumentWindow {
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

    // The keys of the host's own items, with Command (Ctrl on this keyboard): S, Q, +, =, -,
    // 0, Z (with Shift: redo) and Y (redo). True when the key was one of them. While a dialog
    // runs modally, they wait, with a warning.
    bool performKeyEquivalent(const ns::Event& event);

private:
    std::string titleFor(const std::string& status) const;

    Host& host_;
    std::filesystem::path savePath_;
    std::unique_ptr<ns::Window> window_;
    MenuBar* menuBar_ = nullptr;
    ToolStrip* toolStrip_ = nullptr;
    ArtboardView* artboard_ = nullptr;
    bool quitRequested_ = false;
    std::string status_; // what the title says of the last save
    Question question_;
    bool asking_ = false;
    uint64_t version_ = 0;
    std::string seen_; // what the strip and the bar showed at the last version
};

} // namespace host::desktop
