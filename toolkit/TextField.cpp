#include "TextField.h"

#include "BezierPath.h"
#include "RectFill.h"
#include "TextView.h"
#include "Window.h"

#include <algorithm>
#include <functional>

namespace ns {

namespace {

struct KeyCommand {
    uint16_t keyCode;
    bool shift;
    const char* command;
};

const KeyCommand kKeyCommands[] = {
    {KeyReturn, false, "insertNewline:"},
    {KeyReturn, true, "insertNewline:"},
    {KeyTab, false, "insertTab:"},
    {KeyTab, true, "insertBacktab:"},
    {KeyUp, false, "moveUp:"},
    {KeyUp, true, "moveUpAndModifySelection:"},
    {KeyDown, false, "moveDown:"},
    {KeyDown, true, "moveDownAndModifySelection:"},
    {KeyLeft, false, "moveLeft:"},
    {KeyLeft, true, "moveLeftAndModifySelection:"},
    {KeyRight, false, "moveRight:"},
    {KeyRight, true, "moveRightAndModifySelection:"},
    {KeyDelete, false, "deleteBackward:"},
    {KeyDelete, true, "deleteBackward:"},
    {KeyEscape, false, "cancelOperation:"},
    {KeyEscape, true, "cancelOperation:"},
};

// Drops the last UTF-8 character.
void eraseLastCharacter(std::string& text)
{
    while (!text.empty()) {
        const unsigned char last = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((last & 0xC0) != 0x80)
            return;
    }
}

} // namespace

void TextField::setTextColor(const Color& color)
{
    textColor_ = color;
    setNeedsDisplay(true);
}

void TextField::setBackgroundColor(const Color& color)
{
    backgroundColor_ = color;
    setNeedsDisplay(true);
}

void TextField::selectText(Object*)
{
    if (Window* w = window(); w != nullptr && acceptsFirstResponder())
        if (w->firstResponder() == this || w->makeFirstResponder(this))
            allSelected_ = true;
}

bool TextField::isEditing() const
{
    const Window* w = window();
    return w != nullptr && w->firstResponder() == this;
}

bool TextField::becomeFirstResponder()
{
    if (!acceptsFirstResponder())
        return false;
    allSelected_ = true;
    edited_ = false;
    if (Window* w = window())
        w->fieldEditor().setString(stringValue());
    return true;
}

bool TextField::resignFirstResponder()
{
    commitEditing();
    return true;
}

void TextField::commitEditing()
{
    if (edited_ && sendsOnEnd_) {
        edited_ = false;
        sendAction();
    }
}

void TextField::setStringValue(std::string value)
{
    // Text set by code is no typing: leaving the field does not commit it.
    edited_ = false;
    Control::setStringValue(std::move(value));
    syncFieldEditor();
}

void TextField::syncFieldEditor()
{
    if (isEditing())
        window()->fieldEditor().setString(stringValue());
}

std::string_view TextField::commandForKey(uint16_t keyCode, uint32_t modifierFlags)
{
    const bool shift = (modifierFlags & ShiftKeyMask) != 0;
    for (const KeyCommand& k : kKeyCommands)
        if (k.keyCode == keyCode && k.shift == shift)
            return k.command;
    return {};
}

void TextField::keyDown(const Event& event)
{
    const std::string_view command = commandForKey(event.keyCode(), event.modifierFlags());
    if (!command.empty())
        doCommandBySelector(command);
    else if (!event.characters().empty() && static_cast<unsigned char>(event.characters()[0]) >= 0x20 &&
             (event.modifierFlags() & CommandKeyMask) == 0)
        insertText(event.characters());
}

void TextField::doCommandBySelector(std::string_view command)
{
    Window* w = window();
    if (w == nullptr)
        return;
    if (auto* d = dynamic_cast<TextFieldDelegate*>(delegate_))
        if (d->controlTextViewDoCommandBySelector(*this, w->fieldEditor(), command))
            return;
    if (command == "insertNewline:") {
        // Editing ends with the text as typed, and the action goes once; the field stays
        // focused with its text selected, as the platform leaves it.
        allSelected_ = true;
        edited_ = false;
        sendAction();
    } else if (command == "insertTab:" || command == "insertBacktab:") {
        moveFocus(command == "insertTab:");
    } else if (command == "deleteBackward:") {
        std::string text = allSelected_ ? std::string() : stringValue();
        eraseLastCharacter(text);
        allSelected_ = false;
        setStringValue(text);
        edited_ = true;
    } else if (command.starts_with("move")) {
        allSelected_ = false;
    }
}

void TextField::insertText(const std::string& text)
{
    if (!isEditing() || !editable_)
        return;
    const std::string value = allSelected_ ? text : stringValue() + text;
    allSelected_ = false;
    setStringValue(value);
    edited_ = true;
}

void TextField::moveFocus(bool forward)
{
    Window* w = window();
    std::vector<TextField*> fields;
    const std::function<void(View&)> collect = [&](View& v) {
        if (v.isHidden())
            return;
        if (auto* f = dynamic_cast<TextField*>(&v); f != nullptr && f->acceptsFirstResponder())
            fields.push_back(f);
        for (const auto& s : v.subviews())
            collect(*s);
    };
    collect(*w->contentView());
    TextField* next = forward ? nextKeyView_ : nullptr;
    if (next == nullptr && !fields.empty()) {
        auto it = std::find(fields.begin(), fields.end(), this);
        const size_t at = it == fields.end() ? 0 : static_cast<size_t>(it - fields.begin());
        next = fields[(at + (forward ? 1 : fields.size() - 1)) % fields.size()];
    }
    if (next != nullptr && next != this)
        next->selectText(this);
}

void TextField::drawRect(const Rect&)
{
    const Rect box = bounds();
    if (drawsBackground_) {
        backgroundColor_.setFill();
        RectFill(box);
    }
    if (bezeled_) {
        (isEditing() ? Color(0.3, 0.55, 0.95) : Color(0.6, 0.6, 0.6)).setStroke();
        BezierPath border = BezierPath::bezierPathWithRect(box.insetBy(0.5, 0.5));
        border.stroke();
    }
    const Rect text = box.insetBy(bezeled_ ? 2 : 0, 0);
    if (isEditing() && allSelected_ && !stringValue().empty()) {
        Color(0.7, 0.82, 1).setFill();
        const double width = stringWidth(stringValue());
        double left = text.minX() + 2;
        if (alignment() == TextAlignment::Center)
            left = text.midX() - width / 2;
        else if (alignment() == TextAlignment::Right)
            left = text.maxX() - 2 - width;
        RectFillUsingOperation(MakeRect(left, text.midY() - 7, width, 14), CompositingOperation::SourceOver);
    }
    drawString(stringValue(), text, isEnabled() ? textColor_ : Color(0.55, 0.55, 0.55), alignment());
}

} // namespace ns
