#include "Button.h"

#include "BezierPath.h"
#include "RectFill.h"

namespace ns {

void Button::setTitle(std::string title)
{
    title_ = std::move(title);
    setNeedsDisplay(true);
}

void Button::setState(int state)
{
    state_ = state != OffState ? OnState : OffState;
    setNeedsDisplay(true);
}

bool Button::performClick(Object*)
{
    if (!isEnabled())
        return false;
    if (type_ != ButtonType::MomentaryPushIn)
        setState(state_ == OnState ? OffState : OnState);
    sendAction();
    return true;
}

void Button::mouseUp(const Event& event)
{
    if (bounds().contains(convertPointFromWindow(event.locationInWindow())))
        performClick(this);
}

void Button::drawRect(const Rect&)
{
    const Color ink = isEnabled() ? Color::blackColor() : Color(0.55, 0.55, 0.55);
    const Rect box = bounds();
    if (type_ == ButtonType::Switch) {
        const Rect check = MakeRect(1, box.midY() - 6, 12, 12);
        Color::whiteColor().setFill();
        RectFill(check);
        Color(0.45, 0.45, 0.45).setStroke();
        BezierPath::bezierPathWithRect(check.insetBy(0.5, 0.5)).stroke();
        if (state_ == OnState) {
            BezierPath mark;
            mark.setLineWidth(2);
            mark.moveToPoint({check.minX() + 2.5, check.midY()});
            mark.lineToPoint({check.minX() + 5, check.minY() + 2.5});
            mark.lineToPoint({check.maxX() - 2, check.maxY() - 2});
            ink.setStroke();
            mark.stroke();
        }
        drawString(title_, MakeRect(17, 0, box.size.width - 17, box.size.height), ink);
        return;
    }
    if (bordered_) {
        (type_ == ButtonType::Toggle && state_ == OnState ? Color(0.78, 0.85, 0.97) : Color(0.98, 0.98, 0.98)).setFill();
        RectFill(box.insetBy(1, 1));
        Color(0.62, 0.62, 0.62).setStroke();
        BezierPath::bezierPathWithRect(box.insetBy(1.5, 1.5)).stroke();
    }
    drawString(title_, box, ink, TextAlignment::Center);
}

} // namespace ns
