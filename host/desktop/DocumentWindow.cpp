#include "DocumentWindow.h"

#include "AtomicFile.h"
#include "Host.h"
#include "Pdf.h"
#include "SaveDrawing.h"
#include "Svg.h"
#include "SvgReader.h"
#include "TextMeasure.h"

#include "Alert.h"
#include "Application.h"
#include "FilePanel.h"
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
    window_->setDelegate(this);
    ns::View& content = *window_->contentView();
    HostActions actions{.open = [this] { chooseAndOpen(); },
                        .save = [this] { save(); },
                        .saveAs = [this] { chooseAndSaveAs(); },
                        .quit = [this] { requestQuit(); },
                        .zoomIn = [this] { zoomBy(kZoomStep); },
                        .zoomOut = [this] { zoomBy(1 / kZoomStep); },
                        .fit = [this] { fit(); },
                        .undo = [this] { undo(); },
                        .redo = [this] { redo(); }};
    menuBar_ = content.addSubview(std::make_unique<MenuBar>(host_, std::move(actions), ns::Rect{}));
    toolStrip_ = content.addSubview(std::make_unique<ToolStrip>(host_, ns::Rect{}));
    artboard_ = content.addSubview(std::make_unique<ArtboardView>(host_, ns::Rect{}));
    resize(window_->frame().size);
    // A click places the caret between the glyphs as they are drawn.
    host_.typeTool().setMeasure([&host](const doc::Art& frame) {
        return render::caretPlaces(frame, host.fonts(), host.documentView().zoom());
    });
    gCurrent = this;
}

DocumentWindow::~DocumentWindow()
{
    window_->setDelegate(nullptr);
    host_.typeTool().setMeasure(nullptr);
    if (gCurrent == this)
        gCurrent = nullptr;
}

DocumentWindow* DocumentWindow::current()
{
    return gCurrent;
}

void DocumentWindow::windowCommitEditing(ns::Window&)
{
    host_.typeTool().finish();
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

void DocumentWindow::sayStatus(std::string status)
{
    status_ = std::move(status);
    window_->setTitle(titleFor(status_));
}

std::string DocumentWindow::failed(const std::string& what, const std::string& reason)
{
    host_.log().warning(what + ": " + reason);
    sayStatus(what + ": " + reason);
    return reason;
}

std::string DocumentWindow::save()
{
    // What a field shows is what is saved; then the SVG and its PNG together, or neither: the
    // title says which, the log why.
    host_.commitTypedFields();
    const std::string reason = render::saveDrawing(host_.document(), host_.fonts(), savePath_);
    if (!reason.empty())
        return failed("not saved", reason);
    host_.markSaved();
    removeRecovery(savePath_);
    sayStatus("saved to " + savePath_.string());
    return {};
}

std::string DocumentWindow::saveAs(const std::filesystem::path& path)
{
    if (path.extension() == ".pdf") {
        host_.commitTypedFields();
        const std::string reason = render::savePdf(host_.document(), host_.fonts(), path);
        if (!reason.empty())
            return failed("not exported", reason);
        host_.log().note("exported " + path.string());
        sayStatus("exported to " + path.string());
        return {};
    }
    if (path.extension() != ".svg") {
        const std::string reason = "cannot save as " + path.string() + " (FILE.svg or FILE.pdf)";
        host_.log().warning(reason);
        sayStatus("not saved: " + reason);
        return reason;
    }
    const std::filesystem::path former = savePath_;
    savePath_ = path;
    const std::string reason = save();
    if (!reason.empty()) {
        savePath_ = former; // the drawing still belongs where it was
        return reason;
    }
    // What the former file's recovery held is saved now, elsewhere.
    removeRecovery(former);
    return {};
}

std::string DocumentWindow::open(const std::filesystem::path& path)
{
    host_.commitTypedFields();
    render::ReadDrawing read = render::readSvgFile(path, host_.fonts(), host_.document().handleSequence());
    if (!read.document)
        return failed("not opened", read.refusal);
    removeRecovery(savePath_);
    host_.replaceDocument(std::move(*read.document));
    savePath_ = path;
    recovered_ = host_.document().changes();
    fit();
    if (read.skipped.empty()) {
        host_.log().note("opened " + path.string());
        sayStatus({});
        return {};
    }
    // Read in part: said, never shown as whole.
    std::string told = path.filename().string() + " was opened in part:";
    for (size_t i = 0; i < read.skipped.size(); ++i) {
        host_.log().warning("opened in part: " + read.skipped[i]);
        if (i < 6)
            told += "\n" + read.skipped[i];
    }
    if (read.skipped.size() > 6)
        told += "\n(" + std::to_string(read.skipped.size() - 6) + " more in the log)";
    sayStatus("opened in part");
    if (host_.presentsAlerts())
        host_.alert(told);
    return {};
}

bool DocumentWindow::settleChanges()
{
    // Asked again while the question is open (the window closed meanwhile): one question.
    if (asking_)
        return false;
    // What a field holds is part of the drawing the question is about.
    host_.commitTypedFields();
    if (!host_.document().modified())
        return true;
    asking_ = true;
    const std::string text = "Save changes to " + savePath_.filename().string() + " before closing?";
    const int answer = question_ ? question_(text) : ns::Alert(text, {"Save", "Don't Save", "Cancel"}).runModal();
    asking_ = false;
    if (answer == 0)
        return save().empty(); // a drawing that could not be saved stays open
    return answer == 1;
}

bool DocumentWindow::requestQuit()
{
    if (!settleChanges())
        return false;
    // A clean end: what was not saved was not wanted.
    removeRecovery(savePath_);
    quitRequested_ = true;
    return true;
}

namespace {

// The toolkit's dialog for the request, in `folder` when there is one.
std::optional<std::filesystem::path> runFileDialog(const FileRequest& request, const std::filesystem::path& folder)
{
    std::unique_ptr<ns::SavePanel> panel =
        request.opening ? std::make_unique<ns::OpenPanel>() : std::make_unique<ns::SavePanel>();
    if (!request.title.empty())
        panel->window().setTitle(request.title);
    panel->setAllowedExtensions(request.extensions);
    std::error_code error;
    if (!folder.empty() && std::filesystem::is_directory(folder, error))
        panel->setDirectory(folder);
    if (!request.opening && !request.defaultName.empty())
        panel->setNameFieldStringValue(request.defaultName);
    if (panel->runModal() != ns::ModalResponseOK)
        return std::nullopt;
    return panel->path();
}

} // namespace

std::optional<std::filesystem::path> DocumentWindow::askForFile(const FileRequest& request)
{
    if (chooser_)
        return chooser_(request);
    // Where the drawing is.
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute(savePath_, error).parent_path();
    return runFileDialog(request, error ? std::filesystem::path() : folder);
}

void DocumentWindow::chooseAndOpen()
{
    if (!settleChanges())
        return;
    const auto path = askForFile(FileRequest{true, "Open", {}, {".svg"}});
    if (!path)
        return;
    if (const std::string reason = open(*path); !reason.empty() && host_.presentsAlerts())
        host_.alert(path->filename().string() + " cannot be opened: " + reason);
}

void DocumentWindow::chooseAndSaveAs()
{
    host_.commitTypedFields();
    const auto path = askForFile(FileRequest{false, "Save As", savePath_.filename().string(), {".svg", ".pdf"}});
    if (!path)
        return;
    if (const std::string reason = saveAs(*path); !reason.empty() && host_.presentsAlerts())
        host_.alert(path->filename().string() + " cannot be saved: " + reason);
}

std::filesystem::path DocumentWindow::recoveryFileFor(const std::filesystem::path& drawing)
{
    std::filesystem::path file = drawing;
    return file += ".recovery";
}

void DocumentWindow::removeRecovery(const std::filesystem::path& drawing)
{
    std::error_code error;
    std::filesystem::remove(recoveryFileFor(drawing), error);
    recoveryDue_.reset();
}

void DocumentWindow::writeRecoveryNow()
{
    const doc::Document& document = host_.document();
    if (!document.modified() || document.changes() == recovered_)
        return;
    const std::filesystem::path file = recoveryFileFor(savePath_);
    std::string reason = createFoldersFor(file);
    if (reason.empty())
        reason = render::saveSvg(document, host_.fonts(), file);
    if (!reason.empty())
        host_.log().warning("no recovery file: " + reason);
    // Tried once for these changes: the next change tries again.
    recovered_ = document.changes();
    recoveryDue_.reset();
}

void DocumentWindow::keepRecovery(std::chrono::steady_clock::time_point now)
{
    const doc::Document& document = host_.document();
    if (!document.modified() || document.changes() == recovered_) {
        recoveryDue_.reset();
        return;
    }
    if (!recoveryDue_)
        recoveryDue_ = now + recoveryInterval_;
    if (now >= *recoveryDue_)
        writeRecoveryNow();
}

bool DocumentWindow::offerRecovery()
{
    const std::filesystem::path file = recoveryFileFor(savePath_);
    std::error_code error;
    const auto recovered = std::filesystem::last_write_time(file, error);
    if (error)
        return false;
    const auto saved = std::filesystem::last_write_time(savePath_, error);
    if (!error && saved >= recovered)
        return false;
    const std::string text = savePath_.filename().string() +
                             " has changes that were not saved when Varo-Host last stopped. Restore them?";
    const int answer = question_ ? question_(text) : ns::Alert(text, {"Restore", "Don't Restore"}).runModal();
    if (answer != 0)
        return false;
    const std::filesystem::path drawing = savePath_;
    render::ReadDrawing read = render::readSvgFile(file, host_.fonts(), host_.document().handleSequence());
    if (!read.document) {
        host_.log().warning("not restored: " + read.refusal);
        return false;
    }
    host_.replaceDocument(std::move(*read.document));
    // The changes are the drawing's, not yet saved to it.
    host_.document().markModified();
    host_.history().forgetSaved();
    recovered_ = host_.document().changes();
    host_.log().note("restored " + drawing.string() + " from " + file.string());
    sayStatus("restored");
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
        // Ctrl+S saves, Ctrl+Shift+S saves as; Ctrl+O opens.
        {"sS", [this, shift] { shift ? chooseAndSaveAs() : void(save()); }},
        {"oO", [this] { chooseAndOpen(); }},
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
    const auto waits = [&](const std::string& keys) {
        const ns::Window* modal = ns::Application::sharedApplication().modalWindow();
        if (modal != nullptr)
            host_.log().warning(keys + " waits: the dialog \"" + modal->title() + "\" is modal");
        return modal != nullptr;
    };
    for (const auto& e : equivalents)
        if (std::string_view(e.keys).find(key[0]) != std::string_view::npos) {
            if (!waits("Ctrl+" + key)) {
                // What is being typed into is kept before the command acts.
                host_.typeTool().finish();
                e.action();
            }
            return true;
        }
    // A plug-in's item: its key with Ctrl, Shift as it asked, nothing else held.
    if ((event.modifierFlags() & (ns::AlternateKeyMask | ns::ControlKeyMask)) != 0)
        return false;
    MenuItem* item = host_.menus().itemForKey(key[0], shift);
    if (item == nullptr)
        return false;
    if (!waits(item->command.text())) {
        host_.typeTool().finish();
        host_.menus().choose(*item);
    }
    return true;
}

} // namespace host::desktop
