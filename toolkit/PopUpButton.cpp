#include "PopUpButton.h"

#include "BezierPath.h"
#include "Menu.h"
#include "RectFill.h"

#include <algorithm>

namespace ns {

void PopUpButton::removeAllItems()
{
    items_.clear();
    selected_ = -1;
    setNeedsDisplay(true);
}

void PopUpButton::addItemWithTitle(std::string title)
{
    items_.push_back(std::move(title));
    if (selected_ < 0)
        selected_ = 0; // the first item shows, as on the platform
    setNeedsDisplay(true);
}

void PopUpButton::insertItemWithTitle(std::string title, int index)
{
    const int at = std::clamp(index, 0, numberOfItems());
    items_.insert(items_.begin() + at, std::move(title));
    if (selected_ < 0)
        selected_ = 0;
    else if (at <= selected_)
        ++selected_; // the same item stays selected
    setNeedsDisplay(true);
}

std::string PopUpButton::itemTitleAtIndex(int index) const
{
    return index >= 0 && index < numberOfItems() ? items_[static_cast<size_t>(index)] : std::string();
}

void PopUpButton::selectItemAtIndex(int index)
{
    selected_ = index >= 0 && index < numberOfItems() ? index : -1;
    setNeedsDisplay(true);
}

bool PopUpButton::chooseItemAtIndex(int index)
{
    if (!isEnabled() || index < 0 || index >= numberOfItems())
        return false;
    selectItemAtIndex(index);
    sendAction();
    return true;
}

void PopUpButton::mouseDown(const Event&)
{
    if (!isEnabled() || items_.empty())
        return;
    std::vector<MenuEntry> entries;
    for (int i = 0; i < numberOfItems(); ++i)
        entries.push_back({itemTitleAtIndex(i), true, false, i == selected_});
    // The selected item's row lies over the button.
    Point topLeft = screenTopLeftOf(*this);
    topLeft.y += std::max(selected_, 0) * MenuWindow::kRowHeight - (MenuWindow::kRowHeight - bounds().size.height) / 2;
    MenuWindow::popUp(std::move(entries), topLeft, selected_, [this](int index) { chooseItemAtIndex(index); }, this);
}

void PopUpButton::drawRect(const Rect&)
{
    const Rect box = bounds();
    Color(0.98, 0.98, 0.98).setFill();
    RectFill(box.insetBy(1, 1));
    Color(0.62, 0.62, 0.62).setStroke();
    BezierPath::bezierPathWithRect(box.insetBy(1.5, 1.5)).stroke();
    const Color ink = isEnabled() ? Color::blackColor() : Color(0.55, 0.55, 0.55);
    drawString(titleOfSelectedItem(), MakeRect(4, 0, box.size.width - 22, box.size.height), ink);
    // Two small arrows at the right: the list opens up and down.
    ink.setFill();
    const double x = box.maxX() - 10, y = box.midY();
    for (const double direction : {1.0, -1.0}) {
        BezierPath arrow;
        arrow.moveToPoint({x - 3, y + direction * 1.5});
        arrow.lineToPoint({x + 3, y + direction * 1.5});
        arrow.lineToPoint({x, y + direction * 5});
        arrow.closePath();
        arrow.fill();
    }
}

} // namespace ns
