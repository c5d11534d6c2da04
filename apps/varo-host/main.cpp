// varo-host: runs scripts against the stand-in host and the plug-ins it loads.
#include "Commands.h"
#include "DrawingCaches.h"
#include "MemoryPolicy.h"
#include "Options.h"
#include "WindowSession.h"

#include "Application.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <vector>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const char* const kUsage =
    "usage: varo-host [--plugins DIR] [--prefs FILE] [--fonts \"A,B,...\" [--default-font NAME]] [DRAWING.svg] SCRIPT...\n"
    "       varo-host --window [--scale 1|2] [--save FILE.svg | DRAWING.svg] [--frame-times FILE]\n"
    "                 [--recovery-seconds N] [options above] [SCRIPT...]\n"
    "Opens DRAWING.svg (a new drawing when there is none), then runs the scripts in order; - reads\n"
    "standard input. With --window, a real window plays them first,\n"
    "then takes the person's input until Ctrl+Q. Commands:\n";

// A script as it is read twice, once to check every line and once to run them: standard
// input, and anything else that is no plain file (a pipe), is kept in a temporary file
// between the two, so that no script is held in memory and none is read from its source twice.
class Script {
public:
    explicit Script(std::string name) : name_(std::move(name)), shown_(name_ == "-" ? "<stdin>" : name_) {}
    ~Script()
    {
        if (!kept_.empty())
            ::unlink(kept_.c_str());
    }
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    const std::string& shown() const { return shown_; }

    // Opens the script from its start. False, with the reason, when it cannot be read.
    bool open(std::ifstream& in, std::string& reason)
    {
        if (!kept_.empty())
            return openFile(kept_, in, reason);
        if (name_ == "-")
            return keep(std::cin, in, reason);
        std::error_code error;
        const auto status = fs::status(name_, error);
        if (fs::is_directory(status)) {
            reason = "it is a folder";
            return false;
        }
        if (!openFile(name_, in, reason))
            return false;
        if (fs::is_regular_file(status))
            return true;
        std::ifstream source = std::move(in);
        return keep(source, in, reason);
    }

private:
    static bool openFile(const std::string& path, std::ifstream& in, std::string& reason)
    {
        in.open(path, std::ios::binary);
        if (!in) {
            reason = std::strerror(errno);
            return false;
        }
        return true;
    }

    // Copies `source` whole into a temporary file, and opens that.
    bool keep(std::istream& source, std::ifstream& in, std::string& reason)
    {
        const char* folder = std::getenv("TMPDIR");
        std::string path = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/varo-host.XXXXXX";
        const int descriptor = ::mkstemp(path.data());
        if (descriptor < 0) {
            reason = std::string("cannot keep it in a temporary file: ") + std::strerror(errno);
            return false;
        }
        ::close(descriptor);
        kept_ = path;
        std::ofstream out(kept_, std::ios::binary);
        std::copy(std::istreambuf_iterator<char>(source), std::istreambuf_iterator<char>(),
                  std::ostreambuf_iterator<char>(out));
        if (!out.flush() || source.bad()) {
            reason = "cannot keep it in a temporary file";
            return false;
        }
        return openFile(kept_, in, reason);
    }

    std::string name_, shown_, kept_;
};

// Every line of the script through `each`. False when it could not be read or `each`
// stopped at a line that is wrong: the reason is then on standard error.
template <typename Each>
bool forEachLine(Script& script, Each each)
{
    std::ifstream in;
    std::string reason;
    if (!script.open(in, reason)) {
        std::cerr << "varo-host: cannot read " << script.shown() << ": " << reason << "\n";
        return false;
    }
    bool good = true;
    script::ReadError error;
    const bool read = script::readEachLine(in, script.shown(), [&](script::Line& line) {
        if (std::string why = script::check(line); !why.empty()) {
            std::cerr << line.file << ":" << line.number << ": " << why << "\n";
            return good = false;
        }
        each(line);
        return true;
    }, error);
    if (!read)
        std::cerr << error.message() << "\n";
    return read && good;
}

// Runs the script's lines in order. While a line runs a modal dialog, the application's pump
// hands the dialog the next lines, as a modal run takes the events that come; the run ends
// when the dialog stops it, or when the script ends (the application then goes on with what
// follows the run). In a window session, each line's change is shown, and the person's input
// follows the last line, in a modal run too. False when the script could not be read or a
// line went wrong (the script changed since it was checked): the reason is then on standard
// error.
bool runScript(Script& script, host::Host& host, script::WindowSession* session = nullptr)
{
    std::ifstream in;
    std::string reason;
    if (!script.open(in, reason)) {
        std::cerr << "varo-host: cannot read " << script.shown() << ": " << reason << "\n";
        return false;
    }
    script::LineReader reader(in, script.shown());
    bool good = true;
    const auto runNext = [&] {
        script::Line line;
        if (!good || !reader.next(line))
            return false;
        if (std::string why = script::check(line); !why.empty()) {
            std::cerr << line.file << ":" << line.number << ": " << why << "\n";
            return good = false;
        }
        // As an event loop does: what the plug-in posted is answered before the next input;
        // while a dialog runs modally, it waits for the run's end (it is for the document).
        if (ns::Application::sharedApplication().modalWindow() == nullptr)
            host.deliverPendingEvents();
        script::run(line, host, std::cout);
        if (session != nullptr)
            session->present();
        return true;
    };
    ns::Application& application = ns::Application::sharedApplication();
    const auto personsInput = [session] { return session->step(); };
    application.setEventPump([&] { return runNext() || (good && !reader.failed() && session != nullptr && session->step()); });
    while (runNext()) {
    }
    application.setEventPump(session != nullptr ? ns::Application::EventPump(personsInput) : nullptr);
    if (reader.failed()) {
        std::cerr << reader.error().message() << "\n";
        return false;
    }
    return good;
}

// The drawing the command line names, opened before the scripts run: false, with the reason
// on standard error, when it cannot be. One that does not exist yet is a new drawing, saved
// there.
bool openDrawing(host::desktop::DocumentWindow& window, const script::CommandLine& line)
{
    std::error_code error;
    if (line.drawing.empty() || !fs::exists(line.drawing, error))
        return true;
    if (const std::string reason = window.open(line.drawing); !reason.empty()) {
        std::cerr << "varo-host: " << reason << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    script::keepFreedMemory();
    script::CommandLine commandLine;
    std::string reason;
    if (!script::parseCommandLine(argc, argv, commandLine, reason)) {
        std::cerr << "varo-host: " << reason << "\n" << kUsage << script::usage();
        return 2;
    }
    if (commandLine.help) {
        std::cout << kUsage << script::usage();
        return 0;
    }

    std::vector<std::unique_ptr<Script>> scripts;
    for (const auto& name : commandLine.scripts)
        scripts.push_back(std::make_unique<Script>(name));

    // Every line of every script is read and checked before anything is done.
    for (auto& script : scripts)
        if (!forEachLine(*script, [](const script::Line&) {}))
            return 2;

    if (commandLine.window) {
        std::string why;
        std::unique_ptr<script::WindowSession> session = script::WindowSession::open(commandLine, std::cout, why);
        if (!session) {
            std::cerr << "varo-host: " << why << "\n";
            return 2;
        }
        // From now on a dialog run modally (the question about a recovery file, an alert about a
        // drawing opened in part, the preferences, the question before quitting) takes the
        // person's input; a script played first hands it its own lines meanwhile.
        ns::Application::sharedApplication().setEventPump([&session] { return session->step(); });
        bool completed = openDrawing(session->desktop().document(), commandLine);
        if (completed)
            session->offerRecovery();
        for (auto& script : scripts) {
            if (!completed)
                break;
            completed = runScript(*script, session->host(), session.get());
            if (!completed)
                break;
        }
        if (completed)
            while (session->step()) {
            }
        ns::Application::sharedApplication().setEventPump(nullptr);
        const std::string timesLost = session->frameTimesError();
        session.reset();
        host::render::releaseDrawingCaches();
        if (!timesLost.empty()) {
            std::cerr << "varo-host: cannot write the frame times to " << commandLine.frameTimes << ": " << timesLost << "\n";
            return 2;
        }
        return completed ? 0 : 2;
    }

    bool completed = true;
    {
        host::Host host(commandLine.host);
        host::desktop::Desktop desktop(host, commandLine.save);
        completed = openDrawing(desktop.document(), commandLine);
        // What the plug-in posted after the last input is answered too, so that the last
        // command's change is not lost.
        for (auto& script : scripts) {
            if (!completed)
                break;
            // A script changed since it was checked stops the run where it went wrong.
            completed = runScript(*script, host);
            if (!completed)
                break;
        }
        host.deliverPendingEvents();
    }
    std::cout.flush();
    // After the host has gone: nothing uses the fonts any more.
    host::render::releaseDrawingCaches();
    return completed ? 0 : 2;
}
