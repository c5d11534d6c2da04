// A text being typed into: UTF-16, as the document keeps frame text, with a caret and a
// selection. The selection runs from its anchor to the caret (the end that moves); with
// nothing selected both are the caret's place. Every place stays on a boundary between
// user-perceived characters (document/Graphemes.h), so that the caret never stands inside a
// surrogate pair, a letter and its accents, an emoji sequence or a flag.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace host {

class EditableText {
public:
    // The caret at the end, nothing selected.
    explicit EditableText(std::u16string text = {});

    const std::u16string& text() const { return text_; }
    size_t caret() const { return caret_; }
    size_t anchor() const { return anchor_; }
    size_t selectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    size_t selectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    bool hasSelection() const { return caret_ != anchor_; }
    std::u16string selectedText() const;

    // The caret at that place, moved back to the start of the character it falls in, and the
    // text's end at most; `extending` keeps the anchor (Shift held, or a drag), else nothing is
    // selected.
    void setCaret(size_t offset, bool extending = false);
    void selectAll();

    // Typing: the text replaces what is selected, the caret after it.
    void insert(std::u16string_view typed);
    // Backspace and Delete: what is selected, else the character before or after the caret.
    // False when there was nothing to take away.
    bool deleteBackward();
    bool deleteForward();

    // The arrows, Home and End. `extending` (Shift) moves the caret alone and selects what it
    // passes; otherwise Left and Right first take a selection away to its start or end.
    void moveLeft(bool extending);
    void moveRight(bool extending);
    void moveToStart(bool extending);
    void moveToEnd(bool extending);

private:
    // Takes the selection away; false when there was none.
    bool removeSelection();
    // After a deletion at `offset`: the caret there, or at the start of the character it
    // now falls in; nothing selected.
    void settle(size_t offset);

    std::u16string text_;
    size_t caret_ = 0;
    size_t anchor_ = 0;
};

} // namespace host
