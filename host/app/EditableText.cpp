#include "EditableText.h"

#include "document/Graphemes.h"

#include <algorithm>

namespace host {

EditableText::EditableText(std::u16string text) : text_(std::move(text)), caret_(text_.size()), anchor_(caret_) {}

std::u16string EditableText::selectedText() const
{
    return text_.substr(selectionStart(), selectionEnd() - selectionStart());
}

void EditableText::setCaret(size_t offset, bool extending)
{
    offset = std::min(offset, text_.size());
    if (!doc::isCharacterBoundary(text_, offset))
        offset = doc::previousCharacterBoundary(text_, offset);
    caret_ = offset;
    if (!extending)
        anchor_ = caret_;
}

void EditableText::selectAll()
{
    anchor_ = 0;
    caret_ = text_.size();
}

bool EditableText::removeSelection()
{
    if (!hasSelection())
        return false;
    const size_t start = selectionStart();
    text_.erase(start, selectionEnd() - start);
    settle(start);
    return true;
}

void EditableText::settle(size_t offset)
{
    // What is left on either side of a deletion may join into one character (a pictograph
    // after a joiner): the caret goes to its start.
    setCaret(offset);
}

void EditableText::insert(std::u16string_view typed)
{
    removeSelection();
    text_.insert(caret_, typed);
    // What was typed may join what stands around it (a letter before an accent): the caret
    // goes after the whole character it ends in.
    const size_t after = caret_ + typed.size();
    caret_ = anchor_ = doc::isCharacterBoundary(text_, after)
                           ? after
                           : doc::nextCharacterBoundary(text_, doc::previousCharacterBoundary(text_, after));
}

bool EditableText::deleteBackward()
{
    if (removeSelection())
        return true;
    if (caret_ == 0)
        return false;
    const size_t start = doc::previousCharacterBoundary(text_, caret_);
    text_.erase(start, caret_ - start);
    settle(start);
    return true;
}

bool EditableText::deleteForward()
{
    if (removeSelection())
        return true;
    if (caret_ == text_.size())
        return false;
    text_.erase(caret_, doc::nextCharacterBoundary(text_, caret_) - caret_);
    settle(caret_);
    return true;
}

void EditableText::moveLeft(bool extending)
{
    if (hasSelection() && !extending)
        setCaret(selectionStart());
    else
        setCaret(doc::previousCharacterBoundary(text_, caret_), extending);
}

void EditableText::moveRight(bool extending)
{
    if (hasSelection() && !extending)
        setCaret(selectionEnd());
    else
        setCaret(doc::nextCharacterBoundary(text_, caret_), extending);
}

void EditableText::moveToStart(bool extending)
{
    setCaret(0, extending);
}

void EditableText::moveToEnd(bool extending)
{
    setCaret(text_.size(), extending);
}

} // namespace host
