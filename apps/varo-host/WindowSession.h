// varo-host --window: the host with a real window. The platform layer shows the desktop's
// surfaces and posts the person's input to the application's queue; each turn hands the
// next event to the toolkit, or, with none left, presents what changed and waits for more.
// The log goes to standard output as it grows.
#pragma once

#include "Options.h"

#include "Host.h"
#include "WindowLayer.h"
#include "Desktop.h"

#include <memory>
#include <ostream>
#include <string>

namespace script {

class WindowSession {
public:
    // Opens the display, then starts the host and launches its plug-ins. Null, with the
    // reason, when no display can be opened: nothing has started then.
    static std::unique_ptr<WindowSession> open(const CommandLine& line, std::ostream& out, std::string& reason);
    // The plug-ins shut down in order, the store kept; then the windows close.
    ~WindowSession();
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    host::Host& host() { return *host_; }
    host::desktop::Desktop& desktop() { return *desktop_; }
    // Asks, when the drawing has a recovery file newer than itself, whether to restore it;
    // the person's input answers (the application's pump must give it: step()).
    void offerRecovery();

    // One turn of the person's input. False once quit was asked for (Ctrl+Q, the menu, the
    // document window closed): what is still queued is dropped.
    bool step();
    // Shows what changed, after a line of a script.
    void present();
    // Why the frame times could not all be written; empty when they were (or none were asked).
    const std::string& frameTimesError() const { return platform_->frameTimesError(); }

private:
    WindowSession(std::unique_ptr<ns::platform::WindowLayer> platform, const CommandLine& line, std::ostream& out);
    bool quitting() const;
    void printLog();

    // The platform goes last: the windows close after the host has gone.
    std::unique_ptr<ns::platform::WindowLayer> platform_;
    std::unique_ptr<host::Host> host_;
    std::unique_ptr<host::desktop::Desktop> desktop_;
    std::ostream& out_;
    bool changed_ = true; // something happened since the last presentation
    bool frameTimesTold_ = false;
};

} // namespace script
