// The text being typed into: each case starts from a text with its caret and selection, plays
// keys on it and must end as written. In the pictures "|" is the caret and "^" the selection's
// other end (the anchor) when something is selected.
#include "EditableText.h"
#include "document/Unicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using host::EditableText;

// "ab^c|" as a text with its caret and anchor.
EditableText fromPicture(const std::string& picture)
{
    std::string plain;
    size_t caret = std::string::npos, anchor = std::string::npos;
    std::u16string text;
    for (char c : picture) {
        if (c == '|' || c == '^') {
            host::doc::utf8ToUtf16(plain, &text);
            (c == '|' ? caret : anchor) = text.size();
        } else {
            plain += c;
        }
    }
    host::doc::utf8ToUtf16(plain, &text);
    EditableText edited(text);
    edited.setCaret(anchor != std::string::npos ? anchor : caret);
    edited.setCaret(caret, true);
    return edited;
}

std::string pictureOf(const EditableText& edited)
{
    const std::u16string& text = edited.text();
    const auto marks = [&](size_t at) {
        return std::string(at == edited.caret() ? "|" : "") + (at == edited.anchor() && edited.hasSelection() ? "^" : "");
    };
    std::string picture;
    for (size_t i = 0; i < text.size();) {
        picture += marks(i);
        const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size();
        picture += host::doc::utf16ToUtf8(text.substr(i, pair ? 2 : 1));
        if (pair && !marks(i + 1).empty())
            picture += "<inside a pair>";
        i += pair ? 2 : 1;
    }
    return picture + marks(text.size());
}

// One key: a name, or "type:TEXT", or "caret:N" (the caret put at UTF-16 offset N).
void play(EditableText& edited, const std::string& key)
{
    const bool extending = key.rfind("shift-", 0) == 0;
    const std::string name = extending ? key.substr(6) : key;
    std::u16string typed;
    if (name.rfind("type:", 0) == 0 && host::doc::utf8ToUtf16(name.substr(5), &typed))
        edited.insert(typed);
    else if (name.rfind("caret:", 0) == 0)
        edited.setCaret(std::stoul(name.substr(6)), extending);
    else if (name == "back")
        edited.deleteBackward();
    else if (name == "delete")
        edited.deleteForward();
    else if (name == "left")
        edited.moveLeft(extending);
    else if (name == "right")
        edited.moveRight(extending);
    else if (name == "home")
        edited.moveToStart(extending);
    else if (name == "end")
        edited.moveToEnd(extending);
    else if (name == "all")
        edited.selectAll();
    else
        ADD_FAILURE() << "no key " << key;
}

TEST(EditableText, KeysChangeTheTextWholeCharactersAtATime)
{
    const struct {
        const char* what;
        const char* before;
        std::vector<std::string> keys;
        const char* after;
    } cases[] = {
        {"typing goes at the caret", "ab|d", {"type:c"}, "abc|d"},
        {"typing replaces the selection", "a^bc|d", {"type:X"}, "aX|d"},
        {"an accent typed joins its letter", "e|", {"type:\u0301", "left"}, "|e\u0301"},
        {"a letter typed before an accent takes it", "|\u0301", {"type:e"}, "e\u0301|"},
        {"Backspace takes a letter and its accents", "xe\u0301\u0302|", {"back"}, "x|"},
        {"Backspace takes an emoji and its skin tone", "x\U0001F44D\U0001F3FD|", {"back"}, "x|"},
        {"Backspace takes a flag, not half of it", "\U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA|", {"back"},
         "\U0001F1EB\U0001F1F7|"},
        {"Delete takes a whole family", "|\U0001F468\u200D\U0001F469\u200D\U0001F467y", {"delete"}, "|y"},
        {"Backspace takes CR LF together", "a\r\n|b", {"back"}, "a|b"},
        {"Backspace and Delete take the selection", "a^bc|d", {"back"}, "a|d"},
        {"Delete at the end and Backspace at the start do nothing", "|ab", {"back", "end", "delete"}, "ab|"},
        {"what joins after a deletion puts the caret at its start", "\U0001F468\u200Dx|\U0001F469", {"back"},
         "|\U0001F468\u200D\U0001F469"},
        {"the arrows step over whole characters", "a|e\u0301\U0001F600b", {"right", "right"}, "ae\u0301\U0001F600|b"},
        {"Left steps back over a surrogate pair", "a\U0001F600|", {"left"}, "a|\U0001F600"},
        {"Shift and the arrows select", "ab|c", {"shift-left", "shift-left"}, "|ab^c"},
        {"Left takes a selection away to its start", "a^bc|", {"left"}, "a|bc"},
        {"Right to its end", "a|bc^", {"right"}, "abc|"},
        {"Shift-Right back over the anchor selects on its other side", "a|b^c", {"shift-right", "shift-right"},
         "ab^c|"},
        {"Home and End, with Shift", "ab|c", {"shift-home"}, "|ab^c"},
        {"End", "|abc", {"end"}, "abc|"},
        {"select all, then Backspace", "a|bc", {"all", "back"}, "|"},
        {"select all of nothing", "|", {"all", "type:x"}, "x|"},
        {"a caret put inside a character goes to its start", "|\U0001F44D\U0001F3FDz", {"caret:3"},
         "|\U0001F44D\U0001F3FDz"},
        {"a caret put beyond the end goes to the end", "|ab", {"caret:99"}, "ab|"},
    };
    for (const auto& c : cases) {
        EditableText edited = fromPicture(c.before);
        ASSERT_EQ(pictureOf(edited), c.before) << c.what << ": the picture reads back";
        for (const std::string& key : c.keys)
            play(edited, key);
        EXPECT_EQ(pictureOf(edited), c.after) << c.what;
    }
}

TEST(EditableText, SaysWhatWasSelectedAndWhetherADeletionTookAnything)
{
    EditableText edited = fromPicture("Gr^\u00FC\u00DFe|");
    EXPECT_EQ(edited.selectedText(), u"\u00FC\u00DFe");
    EXPECT_EQ(edited.selectionStart(), 2u);
    EXPECT_EQ(edited.selectionEnd(), 5u);
    EXPECT_TRUE(edited.deleteForward());
    EXPECT_FALSE(edited.deleteForward()) << "nothing after the caret";
    EXPECT_TRUE(edited.deleteBackward());
    edited.moveToStart(false);
    EXPECT_FALSE(edited.deleteBackward()) << "nothing before the caret";
    EXPECT_EQ(edited.text(), u"G");
}

} // namespace
