#include "ScriptReader.h"

namespace script {

bool splitWords(const std::string& text, std::vector<std::string>& words, std::string& reason)
{
    words.clear();
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#')
            break;
        std::string word;
        bool quoted = false;
        while (i < n) {
            const char d = text[i];
            if (!quoted && (d == ' ' || d == '\t' || d == '\r'))
                break;
            if (!quoted && d == '#')
                break;
            if (d == '"') {
                quoted = !quoted;
                ++i;
                continue;
            }
            if (quoted && d == '\\' && i + 1 < n && (text[i + 1] == '"' || text[i + 1] == '\\')) {
                word += text[i + 1];
                i += 2;
                continue;
            }
            // A tab and a line break, which a line cannot hold as they are (a clipboard's cells).
            if (quoted && d == '\\' && i + 1 < n && (text[i + 1] == 't' || text[i + 1] == 'n')) {
                word += text[i + 1] == 't' ? '\t' : '\n';
                i += 2;
                continue;
            }
            word += d;
            ++i;
        }
        if (quoted) {
            reason = "unterminated quote";
            words.clear();
            return false;
        }
        words.push_back(word);
    }
    return true;
}

bool LineReader::next(Line& line)
{
    std::string text;
    while (!failed_ && std::getline(in_, text)) {
        ++number_;
        line = Line{file_, number_, {}};
        std::string reason;
        // A NUL byte would cut short every message that quotes the line: it is no script's.
        if (text.find('\0') != std::string::npos)
            reason = "NUL byte in line " + std::to_string(number_);
        if (!reason.empty() || !splitWords(text, line.words, reason)) {
            error_ = ReadError{file_, number_, reason};
            failed_ = true;
            return false;
        }
        if (!line.words.empty())
            return true;
    }
    if (!failed_ && in_.bad()) {
        error_ = ReadError{file_, number_ + 1, "cannot be read"};
        failed_ = true;
    }
    return false;
}

bool readEachLine(std::istream& in, const std::string& file, const std::function<bool(Line&)>& each,
                  ReadError& error)
{
    LineReader reader(in, file);
    Line line;
    while (reader.next(line))
        if (!each(line))
            return true;
    if (reader.failed()) {
        error = reader.error();
        return false;
    }
    return true;
}

bool readLines(std::istream& in, const std::string& file, std::vector<Line>& lines, ReadError& error)
{
    lines.clear();
    const bool read = readEachLine(in, file, [&](Line& line) {
        lines.push_back(std::move(line));
        return true;
    }, error);
    if (!read)
        lines.clear();
    return read;
}

} // namespace script
