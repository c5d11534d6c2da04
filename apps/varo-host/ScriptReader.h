// Reads scripts: one command a line, words split at blanks, double quotes group a word
// (\" and \\ inside them stand for " and \), and # outside quotes starts a comment.
#pragma once

#include <functional>
#include <istream>
#include <string>
#include <vector>

namespace script {

struct Line {
    std::string file;
    int number = 0;
    std::vector<std::string> words; // never empty
};

struct ReadError {
    std::string file;
    int number = 0;
    std::string reason;
    std::string message() const { return file + ":" + std::to_string(number) + ": " + reason; }
};

// Splits one line into words. False, with the reason, for an unterminated quote.
bool splitWords(const std::string& text, std::vector<std::string>& words, std::string& reason);

// The non-blank lines of a stream, one at a time, as they are asked for: a script of any
// length is read in bounded memory, and whoever runs a line may read the next ones itself (a
// modal dialog's events).
class LineReader {
public:
    LineReader(std::istream& in, std::string file) : in_(in), file_(std::move(file)) {}

    // The next non-blank line; false at the end, or at a line that cannot be split or a
    // stream that cannot be read, which `error` then tells.
    bool next(Line& line);
    bool failed() const { return failed_; }
    const ReadError& error() const { return error_; }

private:
    std::istream& in_;
    std::string file_;
    int number_ = 0;
    bool failed_ = false;
    ReadError error_;
};

// Hands every non-blank line of the stream to `each`, one at a time, so that a script of any
// length is read in bounded memory; stops when `each` answers false. False, with the error,
// when a line cannot be split or the stream cannot be read to its end.
bool readEachLine(std::istream& in, const std::string& file, const std::function<bool(Line&)>& each,
                  ReadError& error);

// Every non-blank line of the stream. False, with the first error, when a line cannot be
// split; `lines` then holds nothing.
bool readLines(std::istream& in, const std::string& file, std::vector<Line>& lines, ReadError& error);

} // namespace script
