#include "XmlReader.h"

#include "document/Unicode.h"

#include <algorithm>
#include <cstdint>

namespace host::render {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The longest entity or character reference read ("&#x10FFFF;" is 10 bytes).
constexpr size_t kLongestReference = 12;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool startsName(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == ':' || u >= 0x80;
}

bool continuesName(char c)
{
    return startsName(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool xmlAllows(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    return out;
}

// Text quoted in a message, cut to a length a person reads.
std::string shown(std::string_view text)
{
    return text.size() <= 40 ? std::string(text) : std::string(text.substr(0, 40)) + "...";
}

} // namespace

XmlReader::XmlReader(std::string_view text) : in_(text) {}

int XmlReader::lineAt(size_t at)
{
    at = std::min(at, in_.size());
    if (at < countedTo_) {
        countedTo_ = 0;
        countedLines_ = 1;
    }
    countedLines_ += static_cast<int>(std::count(in_.begin() + static_cast<std::ptrdiff_t>(countedTo_),
                                                 in_.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
    countedTo_ = at;
    return countedLines_;
}

XmlReader::Event XmlReader::fail(size_t at, const std::string& what)
{
    line_ = lineAt(at);
    error_ = "line " + std::to_string(line_) + ": " + what;
    return Event::Failed;
}

bool XmlReader::failed(size_t at, const std::string& what)
{
    fail(at, what);
    return false;
}

bool XmlReader::checkCharacters()
{
    if (in_.starts_with("\xFE\xFF") || in_.starts_with("\xFF\xFE"))
        return failed(0, "the file is UTF-16; only UTF-8 is read");
    if (in_.starts_with(kByteOrderMark))
        pos_ = kByteOrderMark.size();
    for (size_t i = pos_; i < in_.size();) {
        const auto byte = static_cast<unsigned char>(in_[i]);
        if (byte >= 0x20 && byte < 0x80) {
            ++i;
            continue;
        }
        const size_t at = i;
        bool valid = true;
        const char32_t c = doc::nextCodePoint(in_, i, &valid);
        if (!valid)
            return failed(at, "bytes that are not UTF-8");
        if (c == 0)
            return failed(at, "a NUL byte, which XML does not allow");
        if (!xmlAllows(c))
            return failed(at, "a control character (code " + std::to_string(static_cast<uint32_t>(c)) +
                         ") that XML does not allow");
    }
    return true;
}

void XmlReader::skipSpace()
{
    while (pos_ < in_.size() && isSpace(in_[pos_]))
        ++pos_;
}

bool XmlReader::readName(std::string_view& name)
{
    const size_t from = pos_;
    if (pos_ >= in_.size() || !startsName(in_[pos_]))
        return false;
    while (pos_ < in_.size() && continuesName(in_[pos_]))
        ++pos_;
    name = in_.substr(from, pos_ - from);
    return true;
}

bool XmlReader::decode(size_t stop, bool attribute, std::string& out)
{
    while (pos_ < stop) {
        const size_t plain = std::min(in_.find_first_of("&\r\t\n", pos_), stop);
        out.append(in_.substr(pos_, plain - pos_));
        pos_ = plain;
        if (pos_ >= stop)
            break;
        const char c = in_[pos_];
        if (c == '\r') {
            // A line end is one line feed, whatever the file used.
            ++pos_;
            if (pos_ < stop && in_[pos_] == '\n')
                ++pos_;
            out += attribute ? ' ' : '\n';
            continue;
        }
        if (c != '&') {
            out += attribute ? ' ' : c;
            ++pos_;
            continue;
        }
        const size_t end = in_.find(';', pos_);
        if (end == std::string_view::npos || end > stop || end - pos_ > kLongestReference)
            return failed(pos_, "an '&' that begins no entity (write &amp; for the character)");
        const std::string_view reference = in_.substr(pos_ + 1, end - pos_ - 1);
        static const struct {
            std::string_view name;
            char character;
        } kEntities[] = {{"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
        bool known = false;
        for (const auto& entity : kEntities)
            if (reference == entity.name) {
                out += entity.character;
                known = true;
            }
        if (!known && reference.starts_with('#')) {
            const bool hex = reference.starts_with("#x");
            const std::string_view digits = reference.substr(hex ? 2 : 1);
            uint32_t code = 0;
            bool valid = !digits.empty();
            for (char d : digits) {
                uint32_t value = 0;
                if (d >= '0' && d <= '9')
                    value = static_cast<uint32_t>(d - '0');
                else if (hex && d >= 'a' && d <= 'f')
                    value = static_cast<uint32_t>(d - 'a' + 10);
                else if (hex && d >= 'A' && d <= 'F')
                    value = static_cast<uint32_t>(d - 'A' + 10);
                else
                    valid = false;
                code = code * (hex ? 16 : 10) + value;
                if (code > 0x10FFFF)
                    valid = false;
                if (!valid)
                    break;
            }
            if (!valid || !xmlAllows(code))
                return failed(pos_, "the character reference &" + std::string(reference) + "; names no character XML allows");
            doc::appendUtf8(out, code);
            known = true;
        }
        if (!known)
            return failed(pos_, "the entity &" + shown(reference) + "; is not read: external or declared entities are not read");
        pos_ = end + 1;
    }
    return true;
}

bool XmlReader::declaration()
{
    // A processing instruction; the XML declaration is one, at the very start.
    const size_t start = pos_;
    const size_t end = in_.find("?>", pos_ + 2);
    if (end == std::string_view::npos)
        return failed(start, "a processing instruction <?...?> is not closed");
    pos_ += 2;
    std::string_view target;
    if (!readName(target))
        return failed(start, "a processing instruction without a name");
    const std::string_view body = in_.substr(pos_, end - pos_);
    pos_ = end + 2;
    if (lowered(target) != "xml")
        return true; // any other instruction means nothing here
    const size_t first = in_.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    if (start != first)
        return failed(start, "an XML declaration that is not at the start of the file");
    const size_t encoding = body.find("encoding");
    if (encoding != std::string_view::npos) {
        const size_t quote = body.find_first_of("\"'", encoding);
        const size_t close = quote == std::string_view::npos ? quote : body.find(body[quote], quote + 1);
        if (close == std::string_view::npos)
            return failed(start, "the XML declaration's encoding is not closed");
        const std::string name = lowered(body.substr(quote + 1, close - quote - 1));
        if (name != "utf-8" && name != "utf8" && name != "us-ascii" && name != "ascii")
            return failed(start, "the file is encoded in " + shown(body.substr(quote + 1, close - quote - 1)) +
                                   "; only UTF-8 is read");
    }
    return true;
}

XmlReader::Event XmlReader::startTag()
{
    const size_t start = pos_;
    ++pos_;
    std::string_view name;
    if (!readName(name))
        return fail(start, "a '<' that begins no tag (write &lt; for the character)");
    if (open_.empty() && rootSeen_)
        return fail(start, "a second root element <" + shown(name) + ">");
    if (open_.size() >= kDeepest)
        return fail(start, "elements nest deeper than " + std::to_string(kDeepest));
    attributes_.clear();
    if (!readAttributes())
        return Event::Failed;
    rootSeen_ = true;
    open_.push_back({name, line_});
    name_ = name;
    return Event::StartElement;
}

bool XmlReader::readAttributes()
{
    while (true) {
        const size_t before = pos_;
        skipSpace();
        if (pos_ >= in_.size())
            return failed(pos_, "the file ends inside a tag");
        if (in_[pos_] == '>') {
            ++pos_;
            break;
        }
        if (in_[pos_] == '/') {
            if (pos_ + 1 >= in_.size() || in_[pos_ + 1] != '>')
                return failed(pos_, "a '/' inside a tag that does not end it");
            pos_ += 2;
            closeEmpty_ = true;
            break;
        }
        std::string_view name;
        if (pos_ == before || !readName(name))
            return failed(pos_, "a tag whose attributes cannot be read");
        skipSpace();
        if (pos_ >= in_.size() || in_[pos_] != '=')
            return failed(pos_, "the attribute " + shown(name) + " has no value");
        ++pos_;
        skipSpace();
        if (pos_ >= in_.size() || (in_[pos_] != '"' && in_[pos_] != '\''))
            return failed(pos_, "the value of the attribute " + shown(name) + " is not quoted");
        const size_t close = in_.find(in_[pos_], pos_ + 1);
        if (close == std::string_view::npos)
            return failed(pos_, "the value of the attribute " + shown(name) + " is not closed");
        const size_t open = ++pos_;
        if (const size_t less = in_.substr(open, close - open).find('<'); less != std::string_view::npos)
            return failed(open + less, "a '<' in the value of the attribute " + shown(name));
        std::string value;
        if (!decode(close, true, value))
            return false;
        pos_ = close + 1;
        attributes_.push_back({name, std::move(value)});
    }
    // An attribute given twice is an error; sorted names find one in n log n.
    if (attributes_.size() > 1) {
        std::vector<std::string_view> names;
        names.reserve(attributes_.size());
        for (const XmlAttribute& attribute : attributes_)
            names.push_back(attribute.name);
        std::sort(names.begin(), names.end());
        const auto twice = std::adjacent_find(names.begin(), names.end());
        if (twice != names.end())
            return failed(pos_, "the attribute " + shown(*twice) + " is given twice");
    }
    return true;
}

XmlReader::Event XmlReader::endTag()
{
    const size_t start = pos_;
    pos_ += 2;
    std::string_view name;
    if (!readName(name))
        return fail(start, "an end tag without a name");
    skipSpace();
    if (pos_ >= in_.size() || in_[pos_] != '>')
        return fail(start, "the end tag </" + shown(name) + "> is not closed");
    ++pos_;
    if (open_.empty())
        return fail(start, "</" + shown(name) + "> closes no element");
    if (open_.back().name != name)
        return fail(start, "<" + shown(open_.back().name) + "> (line " + std::to_string(open_.back().line) +
                               ") is closed by </" + shown(name) + ">");
    open_.pop_back();
    name_ = name;
    return Event::EndElement;
}

XmlReader::Event XmlReader::characters()
{
    const size_t stop = std::min(in_.find('<', pos_), in_.size());
    if (open_.empty()) {
        const size_t printed = in_.find_first_not_of(" \t\r\n", pos_);
        if (printed < stop)
            return fail(printed, rootSeen_ ? "text after the root element" : "text before the root element");
        pos_ = stop;
        return Event::Finished; // nothing to hand over: the caller goes on
    }
    text_.clear();
    if (!decode(stop, false, text_))
        return Event::Failed;
    return Event::Text;
}

XmlReader::Event XmlReader::next()
{
    if (!error_.empty())
        return Event::Failed;
    if (!checked_) {
        checked_ = true;
        if (!checkCharacters())
            return Event::Failed;
    }
    if (closeEmpty_) {
        closeEmpty_ = false;
        name_ = open_.back().name;
        open_.pop_back();
        return Event::EndElement;
    }
    while (true) {
        if (pos_ >= in_.size()) {
            line_ = lineAt(pos_);
            if (!open_.empty())
                return fail(pos_, "the file ends before <" + shown(open_.back().name) + "> (line " +
                                      std::to_string(open_.back().line) + ") is closed");
            if (!rootSeen_)
                return fail(pos_, "the file holds no element");
            return Event::Finished;
        }
        line_ = lineAt(pos_);
        const std::string_view rest = in_.substr(pos_);
        if (rest[0] != '<') {
            const Event event = characters();
            if (event == Event::Finished)
                continue;
            return event;
        }
        if (rest.starts_with("<?")) {
            if (!declaration())
                return Event::Failed;
            continue;
        }
        if (rest.starts_with("<!--")) {
            const size_t end = in_.find("-->", pos_ + 4);
            if (end == std::string_view::npos)
                return fail(pos_, "a comment <!-- is not closed");
            pos_ = end + 3;
            continue;
        }
        if (rest.starts_with("<![CDATA[")) {
            if (open_.empty())
                return fail(pos_, "a CDATA section outside the root element");
            const size_t end = in_.find("]]>", pos_ + 9);
            if (end == std::string_view::npos)
                return fail(pos_, "a CDATA section is not closed");
            text_.clear();
            for (size_t i = pos_ + 9; i < end; ++i) {
                if (in_[i] == '\r') {
                    text_ += '\n';
                    if (i + 1 < end && in_[i + 1] == '\n')
                        ++i;
                } else {
                    text_ += in_[i];
                }
            }
            pos_ = end + 3;
            return Event::Text;
        }
        if (rest.starts_with("<!DOCTYPE")) {
            if (rootSeen_)
                return fail(pos_, "a document type declaration after the root element");
            // Its public and system names are let through (never fetched); an internal subset,
            // where entities would be declared, is not.
            char quote = 0;
            size_t i = pos_ + 9;
            for (; i < in_.size(); ++i) {
                const char c = in_[i];
                if (quote != 0) {
                    if (c == quote)
                        quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '[') {
                    return fail(pos_, "the document type declares entities or an internal subset: "
                                      "external or declared entities are not read");
                } else if (c == '>') {
                    break;
                }
            }
            if (i >= in_.size())
                return fail(pos_, "the document type declaration is not closed");
            pos_ = i + 1;
            continue;
        }
        if (rest.starts_with("<!ENTITY"))
            return fail(pos_, "an entity declaration: external or declared entities are not read");
        if (rest.starts_with("<!"))
            return fail(pos_, "a declaration <! that is not read here");
        if (rest.starts_with("</"))
            return endTag();
        return startTag();
    }
}

} // namespace host::render
