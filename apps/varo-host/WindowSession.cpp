#include "WindowSession.h"
#include "WindowLayerLoader.h"

#include "Alert.h"
#include "Application.h"
#include "Screen.h"
#include "ToolTip.h"

#include <cerrno>
#include <chrono>
#include <cstring>

namespace script {

namespace {

// How long a turn waits for input before it looks again (the plug-ins' posted events are
// answered meanwhile).
constexpr int kWaitMilliseconds = 50;

} // namespace

std::unique_ptr<WindowSession> WindowSession::open(const CommandLine& line, std::ostream& out, std::string& reason)
{
    std::unique_ptr<ns::platform::WindowLayer> platform = loadWindowLayer(line.scale, reason);
    if (!platform) {
        reason = "cannot open a window: " + reason;
        return nullptr;
    }
    errno = 0;
    if (!line.frameTimes.empty() && !platform->recordFrameTimes(line.frameTimes)) {
        reason = "cannot write the frame times to " + line.frameTimes + ": " +
                 (errno != 0 ? std::strerror(errno) : "it cannot be opened");
        return nullptr;
    }
    return std::unique_ptr<WindowSession>(new WindowSession(std::move(platform), line, out));
}

WindowSession::WindowSession(std::unique_ptr<ns::platform::WindowLayer> platform, const CommandLine& line, std::ostream& out)
    : platform_(std::move(platform)), out_(out)
{
    ns::Screen::mainScreen().setFrame(platform_->screenFrame());
    ns::Screen::mainScreen().setVisibleFrame(platform_->visibleFrame());
    host_ = std::make_unique<host::Host>(line.host);
    desktop_ = std::make_unique<host::desktop::Desktop>(*host_, line.save);
    desktop_->document().setRecoveryInterval(std::chrono::seconds(line.recoverySeconds));
    ns::Application& application = ns::Application::sharedApplication();
    application.setMenuKeyHook([this](const ns::Event& event) { return desktop_->document().performKeyEquivalent(event); });
    application.setRefusalHook([this](const ns::Event&, const ns::Window& modal) {
        host_->log().warning("input waits: the dialog \"" + modal.title() + "\" is modal");
    });
    // An alert waits for the person: a modal window, which the pump shows and feeds.
    host_->setAlertPresenter([this](const std::string& text) {
        ns::Alert alert(text);
        changed_ = true;
        alert.runModal();
        changed_ = true;
    });
    // So does a file dialog a plug-in asks for: the toolkit's, as File › Open… runs it.
    host_->fileDialogs().setChooser([this](const host::FileRequest& request) -> std::optional<std::string> {
        changed_ = true;
        const std::optional<std::filesystem::path> chosen = desktop_->document().askForFile(request);
        changed_ = true;
        return chosen ? std::optional<std::string>(chosen->string()) : std::nullopt;
    });
    host_->launch();
    desktop_->show();
    printLog();
    present();
}

WindowSession::~WindowSession()
{
    ns::Application& application = ns::Application::sharedApplication();
    // Stopped by a signal, without a question: the changes not saved stay in the recovery file.
    if (platform_->quitRequested())
        desktop_->document().writeRecoveryNow();
    // Nobody is left to dismiss an alert, or to choose a file.
    host_->setAlertPresenter(nullptr);
    host_->fileDialogs().setChooser(nullptr);
    // Input that came after quit is for nobody.
    while (application.nextEvent()) {
    }
    if (ns::Application::sharedApplication().modalWindow() == nullptr)
        host_->deliverPendingEvents();
    if (host_->launched())
        host_->quit();
    printLog();
    application.setMenuKeyHook(nullptr);
    application.setRefusalHook(nullptr);
    desktop_.reset();
    host_.reset();
    out_.flush();
}

bool WindowSession::quitting() const
{
    return platform_->quitRequested() || desktop_->document().quitRequested();
}

void WindowSession::printLog()
{
    for (const std::string& line : host_->log().takeUnread())
        out_ << line << '\n';
    out_.flush();
}

void WindowSession::present()
{
    platform_->present(desktop_->surfaces());
    changed_ = false;
    // Said at once; the run's end says it again, and its status.
    if (!frameTimesTold_ && !platform_->frameTimesError().empty()) {
        frameTimesTold_ = true;
        host_->log().warning("cannot write the frame times: " + platform_->frameTimesError());
    }
}

void WindowSession::offerRecovery()
{
    desktop_->document().offerRecovery();
    printLog();
    changed_ = true;
}

bool WindowSession::step()
{
    desktop_->document().keepRecovery(std::chrono::steady_clock::now());
    // The document window closed: as Ctrl+Q, a question first when the drawing has changes not
    // saved.
    if (platform_->takeCloseRequest())
        desktop_->document().requestQuit();
    if (const auto size = platform_->takeDocumentResize()) {
        desktop_->document().resize(*size);
        changed_ = true;
    }
    if (quitting())
        return false;
    ns::Application& application = ns::Application::sharedApplication();
    const bool modal = application.modalWindow() != nullptr;
    // As the event loop does: what the plug-in posted is answered before the next input;
    // while a dialog runs modally, it waits for the run's end (it is for the document).
    if (!modal && host_->deliverPendingEvents() > 0)
        changed_ = true;
    if (const std::optional<ns::Event> event = application.nextEvent()) {
        const host::PreferenceStore::Batch batch = host_->preferences().batch();
        application.sendEvent(*event);
        printLog();
        changed_ = true;
        return !quitting();
    }
    printLog();
    if (ns::ToolTipWindow::showDue(std::chrono::steady_clock::now()))
        changed_ = true;
    // Nothing is drawn while nothing happens.
    if (changed_)
        present();
    changed_ = platform_->pollEvents(kWaitMilliseconds) > 0;
    return !quitting();
}

} // namespace script
