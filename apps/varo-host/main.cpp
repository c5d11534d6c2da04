// varo-host: runs scripts against the stand-in host and the plug-ins it loads.
#include "Commands.h"
#include "DrawingCaches.h"
#include "Options.h"

#include <fstream>
#include <iostream>

namespace {

const char* const kUsage =
    "usage: varo-host [--plugins DIR] [--prefs FILE] [--fonts \"A,B,...\"] SCRIPT...\n"
    "Runs the scripts in order; - reads standard input. Commands:\n";

} // namespace

int main(int argc, char** argv)
{
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

    // Every line of every script is read and checked before anything is done.
    std::vector<script::Line> lines;
    for (const auto& name : commandLine.scripts) {
        std::ifstream file;
        std::istream* in = &std::cin;
        const std::string shown = name == "-" ? "<stdin>" : name;
        if (name != "-") {
            file.open(name);
            if (!file) {
                std::cerr << "varo-host: cannot read " << name << "\n";
                return 2;
            }
            in = &file;
        }
        std::vector<script::Line> scriptLines;
        script::ReadError error;
        if (!script::readLines(*in, shown, scriptLines, error)) {
            std::cerr << error.message() << "\n";
            return 2;
        }
        for (auto& line : scriptLines) {
            if (std::string why = script::check(line); !why.empty()) {
                std::cerr << line.file << ":" << line.number << ": " << why << "\n";
                return 2;
            }
            lines.push_back(std::move(line));
        }
    }

    {
        host::Host host(commandLine.host);
        // As an event loop does: what the plug-in posted is answered before the next input,
        // and after the last one, so that the last command's change is not lost.
        for (const auto& line : lines) {
            host.deliverPendingEvents();
            script::run(line, host, std::cout);
        }
        host.deliverPendingEvents();
    }
    std::cout.flush();
    // After the host has gone: nothing uses the fonts any more.
    host::render::releaseDrawingCaches();
    return 0;
}
