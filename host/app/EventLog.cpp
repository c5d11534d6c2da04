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
    lines_.push_back(line + " -> " + formatResult(result));
}

void EventLog::warning(const std::string& text)
{
    lines_.push_back("warning: " + text);
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
    lines_.push_back("alert: \"" + escapedAsInC(text) + "\"");
}

void EventLog::note(const std::string& text)
{
    lines_.push_back(text);
}

std::vector<std::string> EventLog::takeUnread()
{
    std::vector<std::string> unread(lines_.begin() + static_cast<std::ptrdiff_t>(read_), lines_.end());
    read_ = lines_.size();
    return unread;
}

} // namespace host
