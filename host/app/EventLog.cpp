#include "EventLog.h"

#include <cctype>
#include <cstdio>

namespace host {

std::string formatResult(ASErr result)
{
    if (result == kNoErr)
        return "0";
    const auto bits = static_cast<uint32_t>(result);
    std::string code;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto c = static_cast<unsigned char>((bits >> shift) & 0xFF);
        if (!std::isprint(c))
            return std::to_string(result);
        code += static_cast<char>(c);
    }
    return "'" + code + "'";
}

void EventLog::message(const std::string& plugin, const std::string& caller,
                       const std::string& selector, const std::string& detail, ASErr result)
{
    std::string line = plugin + ": \"" + caller + "\" \"" + selector + "\"";
    if (!detail.empty())
        line += " " + detail;
    add(line + " -> " + formatResult(result));
}

void EventLog::warning(const std::string& text)
{
    add("warning: " + text);
    std::fprintf(stderr, "varo-host: warning: %s\n", text.c_str());
}

std::string escapedAsInC(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                static const char digits[] = "0123456789abcdef";
                out += "\\x";
                out += digits[(c >> 4) & 0xF];
                out += digits[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    return out;
}

void EventLog::alert(const std::string& text)
{
    lastAlert_ = text;
    add("alert: \"" + escapedAsInC(text) + "\"");
}

void EventLog::note(const std::string& text)
{
    add(text);
}

void EventLog::add(std::string line)
{
    if (lines_.size() == kMostKept) {
        lines_.pop_front();
        ++dropped_;
    }
    lines_.push_back(std::move(line));
}

std::vector<std::string> EventLog::takeUnread()
{
    std::vector<std::string> unread;
    unread.reserve(lines_.size() + 1);
    if (dropped_ != 0)
        unread.push_back("(" + std::to_string(dropped_) + " earlier lines were not kept)");
    for (auto& line : lines_)
        unread.push_back(std::move(line));
    lines_.clear();
    dropped_ = 0;
    return unread;
}

} // namespace host
