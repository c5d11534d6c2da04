#include "DocumentWindow.h"

#include "Host.h"
#include "SaveDrawing.h"

#include "Alert.h"
#include "Application.h"
#include "Screen.h"

#include <algorithm>

namespace host::desktop {

namespace {

DocumentWindow* gCurrent = nullptr;

constexpr double kZoomStep = 1.25;

} // namespace

DocumentWindow::DocumentWindow(Host& host, std::filesystem::path savePath) : host_(host), savePath_(std::move(savePath))
{
    // At the top-left of the screen's visible part.
    const ns::Rect screen = ns::Screen::mainScreen().visibleFrame();
    window_ = std::make_unique<ns::Window>(
        ns::MakeRect(screen.origin.x, screen.maxY() - kDefaultHeight, kDefaultWidth, kDefaultHeight), titleFor({}));
    window_->setIdentifier("document");
    ns::View& content = *window_->contentView();
    HostActions actions{[this] { save(); },          [this] { requestQuit(); }, [this] { zoomBy(kZoomStep); },
                        [this] { zoomBy(1 / kZoomStep); }, [this] { fit(); },        [this] { undo(); },
                        [this] { redo(); }};
    menuBar_ = content.addSubview(std::make_unique<MenuBar>(host_, std::move(actions), ns::Rect{}));
    toolStrip_ = content.addSubview(std::make_unique<ToolStrip>(host_, ns::Rect{}));
    artboard_ = content.addSubview(std::make_unique<ArtboardView>(host_, ns::Rect{}));
    resize(window_->frame().size);
    gCurrent = this;
}

DocumentWindow::~DocumentWindow()
{
    if (gCurrent == this)
        gCurrent = nullptr;
}

DocumentWindow* DocumentWindow::current()
{
    return gCurrent;
}

void DocumentWindow::resize(ns::Size size)
{
    // Never too small for its bar, its strip and some of the page.
    size.width = std::max(size.width, 300.0);
    size.height = std::max(size.height, 200.0);
    const ns::Rect frame = window_->frame();
    if (frame.size != size)
        window_->setFrame({{frame.origin.x, frame.maxY() - size.height}, size}, false);
    const double below = size.height - MenuBar::kHeight;
    menuBar_->setFrame(ns::MakeRect(0, below, size.width, MenuBar::kHeight));
    toolStrip_->setFrame(ns::MakeRect(0, 0, ToolStrip::kWidth, below));
    artboard_->setFrame(ns::MakeRect(ToolStrip::kWidth, 0, size.width - ToolStrip::kWidth, below));
    artboard_->fitDocumentView();
    // Each view hears the pointer over the whole of itself.
    for (ns::View* view : {static_cast<ns::View*>(menuBar_), static_cast<ns::View*>(toolStrip_), static_cast<ns::View*>(artboard_)}) {
        while (!view->trackingAreas().empty())
            view->removeTrackingArea(view->trackingAreas().front().get());
        view->addTrackingArea(std::make_unique<ns::TrackingArea>(
            view->bounds(), ns::TrackingMouseMoved | ns::TrackingMouseEnteredAndExited | ns::TrackingActiveAlways, view));
    }
}

uint64_t DocumentWindow::version()
{
    // The title follows the drawing: "saved to" goes at the first change after the save.
    if (host_.document().modified() && status_.rfind("saved to ", 0) == 0)
        status_.clear();
    if (const std::string title = titleFor(status_); title != window_->title())
        window_->setTitle(title);
    // The artboard keeps its own key; the strip and the bar show few things, said in words.
    std::string shown = std::to_string(artboard_->version()) + (host_.theme().dark() ? " dark" : " light");
    const Tool* selected = host_.tools().selected();
    for (const Tool* tool : toolStrip_->tools())
        shown += (tool == selected ? " *" : " ") + tool->title;
    for (const std::string& title : menuBar_->titles())
        shown += " | " + title;
    if (shown != seen_) {
        seen_ = std::move(shown);
        ++version_;
    }
    return version_;
}

std::string DocumentWindow::titleFor(const std::string& status) const
{
    // A star after the drawing's name: changed since it was last saved.
    return "Varo-Host \u2014 " + savePath_.filename().string() + (host_.document().modified() ? "*" : "") +
           (status.empty() ? "" : " \u2014 " + status);
}

std::string DocumentWindow::save()
{
    // What a field shows is what is saved; then the SVG and its PNG together, or neither: the
    // title says which, the log why.
    host_.commitTypedFields();
    const std::string reason = render::saveDrawing(host_.document(), host_.fonts(), savePath_);
    if (!reason.empty()) {
        host_.log().warning("not saved: " + reason);
        status_ = "not saved: " + reason;
        window_->setTitle(titleFor(status_));
        return reason;
    }
    host_.document().markSaved();
    status_ = "saved to " + savePath_.string();
    window_->setTitle(titleFor(status_));
    return {};
}

bool DocumentWindow::requestQuit()
{
    // Asked again while the question is open (the window closed meanwhile): one question.
    if (asking_)
        return false;
    // What a field holds is part of the drawing the question is about.
    host_.commitTypedFields();
    if (host_.document().modified()) {
        asking_ = true;
        const std::string text = "Save changes to " + savePath_.filename().string() + " before closing?";
        const int answer = question_ ? question_(text) : ns::Alert(text, {"Save", "Don't Save", "Cancel"}).runModal();
        asking_ = false;
        if (answer == 0 && !save().empty())
            return false; // the drawing is not saved: it stays open
        if (answer != 0 && answer != 1)
            return false;
    }
    quitRequested_ = true;
    return true;
}

void DocumentWindow::undo()
{
    host_.undo();
}

void DocumentWindow::redo()
{
    host_.redo();
}

void DocumentWindow::zoomBy(double factor)
{
    DocumentView& view = host_.documentView();
    view.setZoom(static_cast<AIReal>(view.zoom() * factor));
}

void DocumentWindow::fit()
{
    DocumentView& view = host_.documentView();
    view.fitInto(view.width(), view.height());
}

bool DocumentWindow::performKeyEquivalent(const ns::Event& event)
{
    const std::string& key = event.characters();
    const bool shift = (event.modifierFlags() & ns::ShiftKeyMask) != 0;
    const struct {
        const char* keys;
        std::function<void()> action;
    } equivalents[] = {
        {"sS", [this] { save(); }},
        {"qQ", [this] { requestQuit(); }},
        {"+=", [this] { zoomBy(kZoomStep); }},
        {"-_", [this] { zoomBy(1 / kZoomStep); }},
        {"0", [this] { fit(); }},
        // Ctrl+Z takes back, Ctrl+Shift+Z and Ctrl+Y do again.
        {"zZ", [this, shift] { shift ? redo() : undo(); }},
        {"yY", [this] { redo(); }},
    };
    if (key.size() != 1)
        return false;
    for (const auto& e : equivalents)
        if (std::string_view(e.keys).find(key[0]) != std::string_view::npos) {
            if (const ns::Window* modal = ns::Application::sharedApplication().modalWindow()) {
                host_.log().warning("Ctrl+" + key + " waits: the dialog \"" + modal->title() + "\" is modal");
                return true;
            }
            e.action();
            return true;
        }
    return false;
}

} // namespace host::desktop
