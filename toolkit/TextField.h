// A line of text, editable or a label. While it is the window's first responder its keys go
// through the field editor: each command goes to the delegate's
// control:textView:doCommandBySelector: first and is performed only when the delegate does
// not take it; Return ends the editing and then sends the action.
#pragma once

#include "Control.h"

#include <string_view>

namespace ns {

class TextView;

// What a text field's delegate may answer. The delegate may be any object: the field asks
// whether it is one of these.
class TextFieldDelegate {
public:
    virtual ~TextFieldDelegate() = default;
    // True when the delegate took the command ("insertNewline:", "insertTab:", "moveUp:" ...)
    // and the field must not perform it.
    virtual bool controlTextViewDoCommandBySelector(Control& control, TextView& textView, std::string_view command) = 0;
};

class TextField : public Control {
public:
    using Control::Control;

    bool isEditable() const { return editable_; }
    void setEditable(bool editable) { editable_ = editable; }
    bool isBezeled() const { return bezeled_; }
    void setBezeled(bool bezeled) { bezeled_ = bezeled; }
    bool drawsBackground() const { return drawsBackground_; }
    void setDrawsBackground(bool draws) { drawsBackground_ = draws; }
    Color textColor() const { return textColor_; }
    void setTextColor(const Color& color);
    Color backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(const Color& color);

    // Not owned; must outlive the field or be cleared first.
    Object* delegate() const { return delegate_; }
    void setDelegate(Object* delegate) { delegate_ = delegate; }
    // The field Tab moves to; null: the next editable field of the window.
    TextField* nextKeyView() const { return nextKeyView_; }
    void setNextKeyView(TextField* next) { nextKeyView_ = next; }

    // Whether the field also sends its action when it loses the focus with text the user
    // typed since it got it, its last action or the last text set by code (a field that
    // commits on leaving it).
    bool sendsActionOnEndEditing() const { return sendsOnEnd_; }
    void setSendsActionOnEndEditing(bool sends) { sendsOnEnd_ = sends; }

    // Sends the action for what was typed since the focus came or the action last went, when
    // the field commits on leaving it; the focus stays. Nothing otherwise.
    void commitEditing();

    // Makes the field the first responder of its window, all its text selected.
    void selectText(Object* sender);
    bool isEditing() const;
    bool isTextSelected() const { return allSelected_; }

    void setStringValue(std::string value) override;

    // The command the field editor makes of a key, or empty for a key that types.
    static std::string_view commandForKey(uint16_t keyCode, uint32_t modifierFlags);
    // A command from the field editor: offered to the delegate, then performed.
    void doCommandBySelector(std::string_view command);
    // Typed text: it replaces the text when all of it is selected, else it is appended.
    void insertText(const std::string& text);

    bool acceptsFirstResponder() const override { return editable_ && isEnabled(); }
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;
    void keyDown(const Event& event) override;
    void drawRect(const Rect& dirty) override;

private:
    void syncFieldEditor();
    void moveFocus(bool forward);

    bool editable_ = true;
    bool bezeled_ = true;
    bool drawsBackground_ = true;
    Color textColor_ = Color::blackColor();
    Color backgroundColor_ = Color::whiteColor();
    Object* delegate_ = nullptr;
    TextField* nextKeyView_ = nullptr;
    bool allSelected_ = false;
    bool sendsOnEnd_ = false;
    bool edited_ = false; // typed into since the focus came or the action went
};

} // namespace ns
