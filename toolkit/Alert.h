// An alert: a message and its buttons in a window of its own, run modally, as the platform's
// alert panel shows them; OK alone by default. Return clicks the first button, Escape the
// last of several (OK when it is alone). The message's line breaks (a carriage return or a line
// feed) start new lines.
#pragma once

#include "Button.h"
#include "Object.h"
#include "TextView.h"
#include "Window.h"

#include <memory>
#include <string>
#include <vector>

namespace ns {

class Alert : public Object {
public:
    explicit Alert(std::string messageText);
    // The buttons from the right: the first is the default ("Save"), the last the one Escape
    // clicks ("Cancel").
    Alert(std::string messageText, const std::vector<std::string>& buttons);
    ~Alert() override;
    Alert(const Alert&) = delete;
    Alert& operator=(const Alert&) = delete;

    const std::string& messageText() const { return message_->string(); }
    Window& window() { return *window_; }

    // Shows the window in front, key, and runs it modally until a button ends it; then orders
    // it out. The index of the button clicked, or ModalResponseAbort when the input ends first.
    int runModal();

    bool performAction(std::string_view selector, Object* sender) override;
    bool respondsToAction(std::string_view selector) const override;

    static constexpr double kWidth = 340;

private:
    std::unique_ptr<Window> window_;
    TextView* message_ = nullptr;
    std::vector<Button*> buttons_;
};

} // namespace ns
