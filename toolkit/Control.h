// A view the user acts on: it sends its action, by selector name, to its target.
#pragma once

#include "TextDrawing.h"
#include "View.h"

#include <string>

namespace ns {

class Control : public View {
public:
    using View::View;

    // Not owned; must outlive the control or be cleared first.
    Object* target() const { return target_; }
    void setTarget(Object* target) { target_ = target; }
    const std::string& action() const { return action_; }
    void setAction(std::string selector) { action_ = std::move(selector); }

    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);

    // Sends the action to the target; false (and nothing sent) when the control is disabled
    // or has no target or action, or the target has no such action.
    bool sendAction();

    // The control's value as text and as numbers; the numbers read the text's leading number
    // (0 when there is none), as the platform does.
    virtual std::string stringValue() const { return value_; }
    virtual void setStringValue(std::string value);
    int intValue() const;
    float floatValue() const { return static_cast<float>(doubleValue()); }
    virtual double doubleValue() const;
    void setIntValue(int value);
    // Shown in the shortest form that reads back as the same float: 0.3f shows "0.3".
    void setFloatValue(float value);
    virtual void setDoubleValue(double value);

    TextAlignment alignment() const { return alignment_; }
    void setAlignment(TextAlignment alignment) { alignment_ = alignment; }

private:
    Object* target_ = nullptr;
    std::string action_;
    bool enabled_ = true;
    std::string value_;
    TextAlignment alignment_ = TextAlignment::Left;
};

// Numbers as controls show them: the shortest form that reads back the same, never with an
// exponent (1e6 shows "1000000").
std::string formatControlNumber(double value);
std::string formatControlNumber(float value);

} // namespace ns
