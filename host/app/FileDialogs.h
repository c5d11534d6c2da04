// The file dialogs plug-ins ask for (AI User's GetFileDialog and PutFileDialog). Where a person
// is there, a chooser set by the window runs the toolkit's dialog; a script answers ahead
// instead (`import-cells FILE`): the answer waits for the next dialog, which takes it without
// showing anything. A dialog with neither is cancelled, and the log says so.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace host {

class EventLog;

struct FileRequest {
    bool opening = true;                 // a file to read (Open), else one to write (Save)
    std::string title;                   // the dialog's title
    std::string defaultName;             // the name a Save dialog proposes; empty for none
    std::vector<std::string> extensions; // the endings listed (".svg"); empty lists every file
};

class FileDialogs {
public:
    explicit FileDialogs(EventLog& log) : log_(log) {}

    // The file chosen, none when the person cancels.
    using Chooser = std::function<std::optional<std::string>(const FileRequest& request)>;
    void setChooser(Chooser chooser) { chooser_ = std::move(chooser); }

    // The answer of the next dialog, given ahead; it replaces one still waiting.
    void answerNext(std::string path) { answer_ = std::move(path); }
    bool answerWaiting() const { return answer_.has_value(); }

    // The file for the request: the answer waiting, else the chooser's, else none (cancelled,
    // which the log notes).
    std::optional<std::string> ask(const FileRequest& request);

    // An answer no dialog took is dropped, with a warning naming `command`, which gave it.
    void dropUnused(const std::string& command);

private:
    EventLog& log_;
    Chooser chooser_;
    std::optional<std::string> answer_;
};

} // namespace host
