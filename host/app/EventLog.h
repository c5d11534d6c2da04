// What happened in a run, in order, for `print log` and for tests.
#pragma once

#include "sdk/ASTypes.h"

#include <cstddef>
#include <deque>
#include <optional>
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
    // A modal alert's text; the last one is kept.
    void alert(const std::string& text);
    const std::optional<std::string>& lastAlert() const { return lastAlert_; }
    void note(const std::string& text);

    // The lines kept: those not yet taken, at most kMostKept of them, the oldest first.
    const std::deque<std::string>& lines() const { return lines_; }
    // The lines recorded since the last call, which the log then forgets; when more were
    // recorded than it keeps, a first line says how many of the oldest were not kept.
    std::vector<std::string> takeUnread();

    // A long session that never prints its log runs in bounded memory all the same.
    static constexpr size_t kMostKept = 100000;

private:
    void add(std::string line);
    std::optional<std::string> lastAlert_;

    std::deque<std::string> lines_;
    size_t dropped_ = 0; // lines forgotten unread since the last takeUnread
};

} // namespace host
