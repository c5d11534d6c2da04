#include "Alert.h"

#include "Application.h"

#include <algorithm>

namespace ns {

namespace {

constexpr double kMargin = 20, kButtonGap = 12, kButtonHeight = 24, kFontSize = 13;
// Each button's action: "alertButton:" and its index.
constexpr std::string_view kButtonAction = "alertButton:";

} // namespace

Alert::Alert(std::string messageText) : Alert(std::move(messageText), {"OK"}) {}

Alert::Alert(std::string messageText, const std::vector<std::string>& buttons)
    : window_(std::make_unique<Window>(MakeRect(0, 0, kWidth, 100), "Alert"))
{
    window_->setIdentifier("alert");
    // The message's height follows its lines at the alert's width.
    auto message = std::make_unique<TextView>(MakeRect(kMargin, 0, kWidth - 2 * kMargin, 0));
    message->setFontSize(kFontSize);
    message->setString(std::move(messageText));
    const double lines = static_cast<double>(std::max<size_t>(message->lines().size(), 1));
    const double textHeight = lines * kFontSize * 1.3 + 4;
    const double height = kMargin + textHeight + 16 + kButtonHeight + 16;
    message->setFrame(MakeRect(kMargin, height - kMargin - textHeight, kWidth - 2 * kMargin, textHeight));
    message->setIdentifier("alertMessage");
    window_->setFrame(MakeRect(0, 0, kWidth, height), false);
    message_ = window_->contentView()->addSubview(std::move(message));

    // OK alone is a small button; several share the width between the margins.
    const double count = static_cast<double>(buttons.size());
    const double buttonWidth = buttons.size() == 1 ? 80 : (kWidth - 2 * kMargin - (count - 1) * kButtonGap) / count;
    double right = kWidth - kMargin;
    for (size_t i = 0; i < buttons.size(); ++i) {
        auto button = std::make_unique<Button>(MakeRect(right - buttonWidth, 16, buttonWidth, kButtonHeight));
        button->setTitle(buttons[i]);
        // The one button keeps the name the alert's OK always had.
        button->setIdentifier(buttons.size() == 1 ? std::string("alertOK") : "alertButton" + std::to_string(i));
        button->setTarget(this);
        button->setAction(std::string(kButtonAction) + std::to_string(i));
        if (i == 0)
            button->setKeyEquivalent("\r");
        buttons_.push_back(window_->contentView()->addSubview(std::move(button)));
        right -= buttonWidth + kButtonGap;
    }
    if (!buttons_.empty()) {
        window_->setDefaultButtonCell(buttons_.front());
        window_->setCancelButtonCell(buttons_.back());
    }
    window_->center();
}

Alert::~Alert()
{
    for (Button* button : buttons_)
        button->setTarget(nullptr);
}

int Alert::runModal()
{
    const int code = Application::sharedApplication().runModalForWindow(*window_);
    window_->orderOut(nullptr);
    return code;
}

namespace {

// The index a button's action names, or -1 for an action that is none of them.
int indexOf(std::string_view selector, size_t count)
{
    if (!selector.starts_with(kButtonAction))
        return -1;
    const std::string_view digits = selector.substr(kButtonAction.size());
    for (size_t i = 0; i < count; ++i)
        if (digits == std::to_string(i))
            return static_cast<int>(i);
    return -1;
}

} // namespace

bool Alert::performAction(std::string_view selector, Object*)
{
    const int index = indexOf(selector, buttons_.size());
    if (index < 0)
        return false;
    window_->orderOut(nullptr);
    Application::sharedApplication().stopModalWithCode(index);
    return true;
}

bool Alert::respondsToAction(std::string_view selector) const
{
    return indexOf(selector, buttons_.size()) >= 0;
}

} // namespace ns
