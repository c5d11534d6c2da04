// The general pasteboard: the text a person copies and pastes between programs. While a
// platform layer lends the system's clipboard (a window open on a display) the pasteboard
// reads and writes it; otherwise it keeps its text in the process.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace ns {

class Pasteboard {
public:
    static Pasteboard& general();

    // The text it holds (UTF-8); none when it holds no text.
    std::optional<std::string> string() const;
    // Holds `text` in the place of whatever it held.
    void setString(std::string text);
    // Holds nothing.
    void clear();
    // Moves whenever what it holds is set or cleared here, so that whoever looked can tell.
    uint64_t changeCount() const { return changes_; }

    // The system's clipboard, as the platform layer reaches it: `read` answers none when it
    // holds no text. Given while a window is open on a display; reset (all empty) when it
    // closes, the pasteboard then keeping its text in the process again, starting empty.
    struct SystemClipboard {
        std::function<std::optional<std::string>()> read;
        std::function<void(const std::string&)> write;
    };
    void useSystemClipboard(SystemClipboard clipboard);

private:
    Pasteboard() = default;

    std::optional<std::string> held_;
    SystemClipboard system_;
    uint64_t changes_ = 0;
};

} // namespace ns
