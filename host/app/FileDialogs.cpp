#include "FileDialogs.h"

#include "EventLog.h"

#include <utility>

namespace host {

namespace {

std::string quoted(const std::string& text)
{
    return "\"" + escapedAsInC(text) + "\"";
}

} // namespace

std::optional<std::string> FileDialogs::ask(const FileRequest& request)
{
    const std::string dialog = std::string(request.opening ? "open" : "save") + " dialog " + quoted(request.title);
    if (answer_) {
        std::optional<std::string> given = std::exchange(answer_, std::nullopt);
        log_.note(dialog + ": " + quoted(*given));
        return given;
    }
    if (chooser_) {
        std::optional<std::string> chosen = chooser_(request);
        log_.note(dialog + ": " + (chosen ? quoted(*chosen) : std::string("cancelled")));
        return chosen;
    }
    log_.note(dialog + ": cancelled, no answer was given");
    return std::nullopt;
}

void FileDialogs::dropUnused(const std::string& command)
{
    if (!answer_)
        return;
    log_.warning(command + ": no file dialog asked for " + quoted(*answer_) + "; the answer is dropped");
    answer_.reset();
}

} // namespace host
