// The command line of varo-host.
#pragma once

#include "Host.h"

#include <string>
#include <vector>

namespace script {

struct CommandLine {
    host::HostOptions host;
    std::vector<std::string> scripts; // "-" is standard input
    bool help = false;
    // A real window: the scripts are played first, then input is the person's.
    bool window = false;
    double scale = 0; // 1 or 2; 0 takes it from the screen
    std::filesystem::path save = "out/drawing.svg"; // where Ctrl+S writes
    bool saveGiven = false;
    // A drawing to open before the scripts run (FILE.svg among them); it is then where Ctrl+S
    // writes. One that does not exist yet is a new drawing.
    std::filesystem::path drawing;
    // How long after a change the window writes the drawing to its recovery file.
    int recoverySeconds = 30;
    std::string frameTimes; // where each frame's time goes; empty for nowhere
};

// False, with the reason, for a command line that cannot be understood.
bool parseCommandLine(int argc, const char* const* argv, CommandLine& line, std::string& reason);

// Where the plug-ins are when --plugins is not given: ../plugins beside the program.
std::filesystem::path defaultPluginsFolder();
// Where the preferences are when --prefs is not given: varo-host/preferences.json in the
// user's configuration folder.
std::filesystem::path defaultPreferencesFile();

} // namespace script
