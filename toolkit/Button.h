// Push buttons, check boxes and toggles: a title, a state, an action on click.
#pragma once

#include "Control.h"

namespace ns {

class TextField;

enum class ButtonType { MomentaryPushIn, Switch, Toggle };

enum : int { OffState = 0, OnState = 1 };

class Button : public Control {
public:
    using Control::Control;

    ButtonType buttonType() const { return type_; }
    void setButtonType(ButtonType type) { type_ = type; }
    const std::string& title() const { return title_; }
    void setTitle(std::string title);
    int state() const { return state_; }
    void setState(int state);
    bool isBordered() const { return bordered_; }
    void setBordered(bool bordered) { bordered_ = bordered; }
    // The characters that click the button ("\r" for Return, "\x1b" for Escape); empty for
    // none.
    const std::string& keyEquivalent() const { return keyEquivalent_; }
    void setKeyEquivalent(std::string characters) { keyEquivalent_ = std::move(characters); }
    // The modifier keys held with it (CommandKeyMask for Command-D); none by default.
    uint32_t keyEquivalentModifierMask() const { return keyEquivalentModifiers_; }
    void setKeyEquivalentModifierMask(uint32_t mask) { keyEquivalentModifiers_ = mask; }

    // The field whose value the button steps (a step button's): a press on the button does not
    // leave that field, whose text it reads as typed. Not owned: a view of the same window.
    TextField* steppedField() const { return steppedField_; }
    void setSteppedField(TextField* field) { steppedField_ = field; }

    // A click: a switch or toggle changes its state, then the action is sent. A disabled
    // button does nothing: false.
    bool performClick(Object* sender);

    // Clicked when the mouse goes up inside.
    void mouseUp(const Event& event) override;
    void drawRect(const Rect& dirty) override;

    std::string stringValue() const override { return std::to_string(state_); }

private:
    ButtonType type_ = ButtonType::MomentaryPushIn;
    std::string title_;
    int state_ = OffState;
    bool bordered_ = true;
    std::string keyEquivalent_;
    uint32_t keyEquivalentModifiers_ = 0;
    TextField* steppedField_ = nullptr;
};

} // namespace ns
