#include "Alert.h"

#include "Application.h"

#include <algorithm>

namespace ns {

namespace {

constexpr double kMargin = 20, kButtonWidth = 80, kButtonHeight = 24, kFontSize = 13;
constexpr const char* kOk = "alertOK:";

} // namespace

Alert::Alert(std::string messageText) : window_(std::make_unique<Window>(MakeRect(0, 0, kWidth, 100), "Alert"))
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

    auto ok = std::make_unique<Button>(MakeRect(kWidth - kMargin - kButtonWidth, 16, kButtonWidth, kButtonHeight));
    ok->setTitle("OK");
    ok->setIdentifier("alertOK");
    ok->setTarget(this);
    ok->setAction(kOk);
    ok->setKeyEquivalent("\r");
    ok_ = window_->contentView()->addSubview(std::move(ok));
    window_->setDefaultButtonCell(ok_);
    window_->setCancelButtonCell(ok_);
    window_->center();
}

Alert::~Alert()
{
    ok_->setTarget(nullptr);
}

int Alert::runModal()
{
    const int code = Application::sharedApplication().runModalForWindow(*window_);
    window_->orderOut(nullptr);
    return code;
}

bool Alert::performAction(std::string_view selector, Object*)
{
    if (selector != kOk)
        return false;
    window_->orderOut(nullptr);
    Application::sharedApplication().stopModal();
    return true;
}

bool Alert::respondsToAction(std::string_view selector) const
{
    return selector == kOk;
}

} // namespace ns
