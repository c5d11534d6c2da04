// What happened in a run, in order, for `print log` and for tests.
#pragma once

#include "sdk/ASTypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace host {

// "0", a four-character code as '!MSG', or the number when it is not printable.
std::string formatResult(ASErr result);

// A text kept on one line: control characters, quotes and backslashes escaped as in C
// (\n, \", \\, \x1b).
std::string escapedAsInC(std::string_view text);

class EventLog {
public:
    void message(const std::string& plugin, const std::string& caller, const std::string& selector,
                 const std::string& detail, ASErr result);
    // Also printed on standard error at once, prefixed with "varo-host: warning: ".
    void warning(const std::string& text);
    void alert(const std::string& text);
    void note(const std::string& text);

    const std::vector<std::string>& lines() const { return lines_; }
    // The lines recorded since the last call.
    std::vector<std::string> takeUnread();

private:
    std::vector<std::string> lines_;
    size_t read_ = 0;
};

} // namespace host
