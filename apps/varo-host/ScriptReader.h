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

// Hands every non-blank line of the stream to `each`, one at a time, so that a script of any
// length is read in bounded memory; stops when `each` answers false. False, with the error,
// when a line cannot be split or the stream cannot be read to its end.
bool readEachLine(std::istream& in, const std::string& file, const std::function<bool(Line&)>& each,
                  ReadError& error);

// Every non-blank line of the stream. False, with the first error, when a line cannot be
// split; `lines` then holds nothing.
bool readLines(std::istream& in, const std::string& file, std::vector<Line>& lines, ReadError& error);

} // namespace script
