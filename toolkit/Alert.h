// An alert: a message and an OK button in a window of its own, run modally, as the platform's
// alert panel shows them. Return, Escape or a click on OK ends it. The message's line breaks
// (a carriage return or a line feed) start new lines.
#pragma once

#include "Button.h"
#include "Object.h"
#include "TextView.h"
#include "Window.h"

#include <memory>
#include <string>

namespace ns {

class Alert : public Object {
public:
    explicit Alert(std::string messageText);
    ~Alert() override;
    Alert(const Alert&) = delete;
    Alert& operator=(const Alert&) = delete;

    const std::string& messageText() const { return message_->string(); }
    Window& window() { return *window_; }

    // Shows the window in front, key, and runs it modally until OK ends it; then orders it
    // out. ModalResponseStop, or ModalResponseAbort when the input ends first.
    int runModal();

    bool performAction(std::string_view selector, Object* sender) override;
    bool respondsToAction(std::string_view selector) const override;

    static constexpr double kWidth = 340;

private:
    std::unique_ptr<Window> window_;
    TextView* message_ = nullptr;
    Button* ok_ = nullptr;
};

} // namespace ns
