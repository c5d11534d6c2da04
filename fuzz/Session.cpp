// Fuzz target: a script, run as one whole fresh session of the stand-in host with the plug-in
// hosted in process, the invariants checked after every step.
//
// The input is a script in the host's language. A line "#prefs TEXT" (a comment to the
// script reader) gives the bytes of the preference file the session starts from. Lines that
// do not read or check are left out; the files a line names go to the scratch folder and
// PNG pictures are made small; at most kMostLines lines run, so that one input stays quick.
#include "Commands.h"
#include "Desktop.h"
#include "Invariants.h"
#include "Scratch.h"
#include "ScriptReader.h"

#include "Application.h"

#include <cstdint>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

extern "C" ASErr PluginMain(const char* caller, const char* selector, void* message);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

constexpr size_t kMostLines = 100;
const char* const kPrefsLine = "#prefs ";

// What the session may write: one SVG, one PNG, one PDF, one snapshot, one file of cells (CSV
// or TSV), all in the scratch folder; and what it may open: the SVG it saved and the cells it
// exported.
void keepInScratch(script::Line& line)
{
    auto& w = line.words;
    const fs::path& scratch = fuzz::scratchFolder();
    const auto endsWith = [](const std::string& name, std::string_view end) {
        return name.size() >= end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0;
    };
    if (w[0] == "save") {
        w[1] = (scratch / (endsWith(w[1], ".svg") ? "out.svg" : endsWith(w[1], ".pdf") ? "out.pdf" : "out.png")).string();
        if (w.size() > 2)
            w[2] = "0.1";
    } else if (w[0] == "open") {
        // What the session saved, read back.
        w[1] = (scratch / "out.svg").string();
    } else if (w[0] == "snapshot") {
        w[2] = (scratch / "snapshot.png").string();
    } else if (w[0] == "import-cells" || w[0] == "export-cells") {
        // One file of cells: what the session exported, read back.
        w[1] = (scratch / (endsWith(w[1], ".tsv") ? "cells.tsv" : "cells.csv")).string();
    }
}

struct Session {
    std::optional<std::string> preferences;
    std::vector<script::Line> lines;
    std::set<std::string> typed; // fields the script typed into
};

Session readSession(const uint8_t* data, size_t size)
{
    Session session;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::string text;
    int number = 0;
    while (std::getline(in, text) && session.lines.size() < kMostLines) {
        ++number;
        if (text.rfind(kPrefsLine, 0) == 0) {
            session.preferences = text.substr(std::char_traits<char>::length(kPrefsLine));
            continue;
        }
        script::Line line{"fuzz", number, {}};
        std::string reason;
        if (!script::splitWords(text, line.words, reason) || line.words.empty() || !script::check(line).empty())
            continue;
        keepInScratch(line);
        if (line.words[0] == "type")
            session.typed.insert(line.words[1]);
        session.lines.push_back(std::move(line));
    }
    return session;
}

// Nothing of the session before: its files, its store, what it moved aside.
void emptyScratch()
{
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(fuzz::scratchFolder(), ignored))
        fs::remove_all(entry.path(), ignored);
}

// One whole session before the first input, as if an earlier input had run: what the
// plug-in keeps from one host to the next in the process then meets every input, so that a
// finding of that kind comes back from its input alone.
void warmUp()
{
    static const char kSession[] = "launch\ntool \"Table Tool\"\ndrag 100 700 400 610\nquit\n";
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(kSession), sizeof kSession - 1);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::scratchFolder();
    warmUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Session session = readSession(data, size);
    emptyScratch();
    const fs::path store = fuzz::scratchFolder() / "preferences.json";
    if (session.preferences)
        std::ofstream(store, std::ios::binary) << *session.preferences;

    std::ostream nowhere(nullptr);
    {
        host::Host host(host::HostOptions{{}, store, std::vector<std::string>{"Alpha", "Beta", "Gamma"}, {}});
        host.plugins().addInProcess("VaroTable", PluginMain, fuzz::pluginResources());
        // The document window, shown nowhere: `open` reads into it.
        host::desktop::Desktop desktop(host, fuzz::scratchFolder() / "drawing.svg");
        bool fails = false;
        size_t next = 0;
        // As varo-host does: while a dialog runs modally, the next lines are its events.
        const auto runNext = [&] {
            if (next >= session.lines.size())
                return false;
            const script::Line& line = session.lines[next++];
            if (ns::Application::sharedApplication().modalWindow() == nullptr)
                host.deliverPendingEvents();
            script::run(line, host, nowhere);
            // Injected failures leave tables half-built on purpose. An undo or a redo leaves the
            // table the plug-in edits with parts it no longer holds, which its next edit
            // draws beside anew: from there a table's parts may stand twice; so does a table
            // read back beside the one the plug-in draws next.
            fails = fails || line.words[0] == "fail" || line.words[0] == "unavailable" || line.words[0] == "undo" ||
                    line.words[0] == "redo" || line.words[0] == "open";
            fuzz::checkDocument(host.document(), !fails);
            fuzz::checkFields(host, session.typed);
            fuzz::checkPreferenceFile(store, session.preferences);
            return true;
        };
        ns::Application::sharedApplication().setEventPump(runNext);
        while (runNext()) {
        }
        ns::Application::sharedApplication().setEventPump(nullptr);
        host.deliverPendingEvents();
        fuzz::checkDocument(host.document(), !fails);
        fuzz::checkFields(host, session.typed);
    }
    // The store as the session left it, the application gone.
    fuzz::checkPreferenceFile(store, session.preferences);
    return 0;
}
