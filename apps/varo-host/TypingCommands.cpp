#include "TypingCommands.h"

#include "PointerCommands.h"

#include "Host.h"
#include "document/Unicode.h"

#include "Event.h"
#include "Pasteboard.h"

namespace script::typing {

namespace {

const struct {
    const char* name;
    uint16_t code;
    const char* characters;
} kKeys[] = {
    {"Return", ns::KeyReturn, "\r"},  {"Tab", ns::KeyTab, "\t"},        {"Escape", ns::KeyEscape, "\x1b"},
    {"Delete", ns::KeyDelete, "\x7f"}, {"ForwardDelete", ns::KeyForwardDelete, ""},
    {"Left", ns::KeyLeft, ""},         {"Right", ns::KeyRight, ""},      {"Up", ns::KeyUp, ""},
    {"Down", ns::KeyDown, ""},         {"Home", ns::KeyHome, ""},        {"End", ns::KeyEnd, ""},
};

const struct {
    const char* name;
    uint32_t mask;
} kModifiers[] = {{"shift", ns::ShiftKeyMask}, {"command", ns::CommandKeyMask}};

// The characters of UTF-8 text, each whole, as typing hands them over one at a time.
std::vector<std::string> charactersOf(const std::string& text)
{
    std::vector<std::string> characters;
    for (size_t i = 0; i < text.size();) {
        const size_t start = i;
        host::doc::nextCodePoint(text, i);
        characters.push_back(text.substr(start, i - start));
    }
    return characters;
}

// Empty when the text is UTF-8 that typing could give: no control characters.
std::string checkTyped(const std::string& text, const char* what)
{
    if (!host::doc::isUtf8(text))
        return std::string(what) + " is not UTF-8";
    for (size_t i = 0; i < text.size();) {
        const char32_t c = host::doc::nextCodePoint(text, i);
        if (c < 0x20 || (c >= 0x7F && c < 0xA0))
            return std::string(what) + " holds a control character, which typing does not give";
    }
    return {};
}

std::string quoted(const std::u16string& text)
{
    return "\"" + host::escapedAsInC(host::doc::utf16ToUtf8(text)) + "\"";
}

// Typed into the frame being typed into, a character at a time.
void type(host::TypeTool& tool, const std::string& text)
{
    for (const std::string& character : charactersOf(text))
        tool.keyDown(ns::Event::keyEvent(0, character, 0));
}

} // namespace

std::string checkEditText(const Words& w)
{
    if (std::string reason = pointer::checkCoordinates(w, 0, 2); !reason.empty())
        return reason;
    return checkTyped(w[2], "the text");
}

void editText(const Words& w, host::Host& h)
{
    // As a click on the artboard: what was typed into a panel's field goes first.
    if (!h.commitTypedFields())
        return;
    host::TypeTool& tool = h.typeTool();
    const AIRealPoint at = pointer::pointAt(w, 0);
    const AIArtHandle frame = tool.frameAt(at, host::TypeTool::kReachPixels / h.documentView().zoom());
    if (frame == nullptr || !tool.begin(frame)) {
        h.log().warning("edit-text: no text frame at " + host::describeToolPoint(at, 0));
        return;
    }
    tool.keyDown(ns::Event::keyEvent(0, "a", ns::CommandKeyMask));
    if (w[2].empty())
        tool.keyDown(ns::Event::keyEvent(ns::KeyDelete, "\x7f", 0));
    type(tool, w[2]);
    tool.keyDown(ns::Event::keyEvent(ns::KeyReturn, "\r", 0));
}

std::string checkPrintText(const Words& w)
{
    return w.size() == 2 ? pointer::checkCoordinates(w, 0, 2) : "\"print text\" takes X Y";
}

void printText(host::Host& h, std::ostream& out, const Words& w)
{
    const AIRealPoint at = pointer::pointAt(w, 0);
    const AIArtHandle frame = h.typeTool().frameAt(at, host::TypeTool::kReachPixels / h.documentView().zoom());
    if (frame == nullptr)
        out << "no text at " << host::describeToolPoint(at, 0) << '\n';
    else
        out << "text " << quoted(h.document().art(frame)->pointText().text) << '\n';
}

std::string checkTypeKey(const Words& w)
{
    bool known = false;
    for (const auto& key : kKeys)
        known = known || w[0] == key.name;
    if (!known && (!checkTyped(w[0], "the key").empty() || charactersOf(w[0]).size() != 1))
        return "no key \"" + w[0] +
               "\" (Return, Tab, Escape, Delete, ForwardDelete, Left, Right, Up, Down, Home, End or one character)";
    return pointer::checkModifiers(w, 1, {"shift", "command"});
}

void typeKey(const Words& w, host::Host& h)
{
    uint32_t flags = 0;
    for (size_t i = 1; i < w.size(); ++i)
        for (const auto& modifier : kModifiers)
            if (w[i] == modifier.name)
                flags |= modifier.mask;
    ns::Event event = ns::Event::keyEvent(0, w[0], flags);
    for (const auto& key : kKeys)
        if (w[0] == key.name)
            event = ns::Event::keyEvent(key.code, key.characters, flags);
    if (!h.typeTool().editing())
        h.log().warning("type-key " + w[0] + ": nothing is typed into");
    else if (!h.typeTool().keyDown(event))
        h.log().note("type-key " + w[0] + ": not a key of the Type tool");
}

std::string checkTypeText(const Words& w)
{
    return checkTyped(w[0], "the text");
}

void typeText(const Words& w, host::Host& h)
{
    if (!h.typeTool().editing()) {
        h.log().warning("type-text: nothing is typed into");
        return;
    }
    type(h.typeTool(), w[0]);
}

void printTyping(host::Host& h, std::ostream& out)
{
    const host::EditableText* typing = h.typeTool().typing();
    if (typing == nullptr) {
        out << "nothing typed into\n";
        return;
    }
    const std::u16string& text = typing->text();
    const size_t start = typing->selectionStart(), end = typing->selectionEnd();
    out << "typing before " << quoted(text.substr(0, start)) << " selected " << quoted(text.substr(start, end - start))
        << " after " << quoted(text.substr(end)) << '\n';
}

std::string checkClipboard(const Words& w)
{
    return host::doc::isUtf8(w[0]) ? std::string() : "the text is not UTF-8";
}

void setClipboard(const Words& w, host::Host&)
{
    ns::Pasteboard::general().setString(w[0]);
}

void printClipboard(host::Host&, std::ostream& out)
{
    const std::optional<std::string> held = ns::Pasteboard::general().string();
    if (held)
        out << "clipboard \"" << host::escapedAsInC(*held) << "\"\n";
    else
        out << "clipboard empty\n";
}

} // namespace script::typing
