// A small XML reader that hands over one element start, element end or run of text at a
// time, for the SVG reader. It reads UTF-8 only, and reads it strictly: bytes that are not
// UTF-8, characters XML does not allow (NUL and the other control characters but tab, line
// feed and carriage return), tags that do not match, attributes given twice and a file cut
// short are errors, each with its line. A document type declaration is let through only
// without an internal subset, and no entity is expanded but the five XML ones and character
// references: a file cannot make the reader fetch anything or grow a text beyond its own
// size. Elements nest at most kDeepest deep. Time is linear in the size of the text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace host::render {

struct XmlAttribute {
    std::string_view name; // as written, prefix included
    std::string value;     // entities and character references decoded, white space normalised
};

class XmlReader {
public:
    static constexpr size_t kDeepest = 256;

    enum class Event {
        StartElement, // name(), attributes(), line(); an empty element gives its EndElement next
        EndElement,   // name()
        Text,         // text(): character data, CDATA sections too, line ends normalised
        Finished,     // the root element closed and nothing but comments and white space after it
        Failed,       // error(); every later call fails too
    };

    // The reader keeps a view of `text`, which must outlive it.
    explicit XmlReader(std::string_view text);

    Event next();

    std::string_view name() const { return name_; }
    const std::vector<XmlAttribute>& attributes() const { return attributes_; }
    const std::string& text() const { return text_; }
    // The line on which the last event began, from 1.
    int line() const { return line_; }
    // What is wrong and on which line: "line 4: the tag <g> is closed by </svg>".
    const std::string& error() const { return error_; }

private:
    Event fail(size_t at, const std::string& what);
    bool failed(size_t at, const std::string& what); // fail() for what answers true or false
    int lineAt(size_t at);
    bool checkCharacters();
    bool declaration();
    Event startTag();
    Event endTag();
    // Text inside the root element; white space outside it is passed over (Finished).
    Event characters();
    bool readName(std::string_view& name);
    bool readAttributes();
    // Appends the text from pos_ to `stop` to `out`, entities decoded; false on an error.
    bool decode(size_t stop, bool attribute, std::string& out);
    void skipSpace();

    std::string_view in_;
    size_t pos_ = 0;
    bool checked_ = false;
    bool rootSeen_ = false;
    bool closeEmpty_ = false; // the last start tag was an empty element's
    struct Open {
        std::string_view name;
        int line;
    };
    std::vector<Open> open_;

    std::string_view name_;
    std::vector<XmlAttribute> attributes_;
    std::string text_;
    int line_ = 1;
    std::string error_;

    size_t countedTo_ = 0;
    int countedLines_ = 1;
};

} // namespace host::render
