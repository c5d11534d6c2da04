#include "ComboBox.h"

#include "Menu.h"

#include "BezierPath.h"
#include "RectFill.h"

#include <algorithm>

namespace ns {

void ComboBox::addItemsWithObjectValues(const std::vector<std::string>& values)
{
    items_.insert(items_.end(), values.begin(), values.end());
}

std::string ComboBox::itemObjectValueAtIndex(int index) const
{
    return index >= 0 && index < numberOfItems() ? items_[static_cast<size_t>(index)] : std::string();
}

void ComboBox::selectItemAtIndex(int index)
{
    if (index >= 0 && index < numberOfItems())
        setStringValue(items_[static_cast<size_t>(index)]);
}

int ComboBox::indexOfSelectedItem() const
{
    const auto it = std::find(items_.begin(), items_.end(), stringValue());
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

bool ComboBox::chooseItemAtIndex(int index)
{
    if (!isEnabled() || index < 0 || index >= numberOfItems())
        return false;
    selectItemAtIndex(index);
    sendAction();
    return true;
}

void ComboBox::mouseDown(const Event& event)
{
    if (!isEnabled() || items_.empty() || convertPointFromWindow(event.locationInWindow()).x < bounds().size.width - kArrowsWidth)
        return;
    std::vector<MenuEntry> entries;
    const int selected = indexOfSelectedItem();
    for (int i = 0; i < numberOfItems(); ++i)
        entries.push_back({itemObjectValueAtIndex(i), true, false, i == selected});
    Point topLeft = screenTopLeftOf(*this);
    topLeft.y -= bounds().size.height;
    MenuWindow::popUp(std::move(entries), topLeft, selected, [this](int index) { chooseItemAtIndex(index); }, this);
}

void ComboBox::drawRect(const Rect& dirty)
{
    // The field, then the arrow button at its right end.
    const double arrow = std::min(18.0, bounds().size.width / 3);
    TextField::drawRect(dirty);
    const Rect button = MakeRect(bounds().maxX() - arrow, 0, arrow, bounds().size.height);
    Color(0.9, 0.9, 0.9).setFill();
    RectFill(button.insetBy(1, 1));
    Color(0.35, 0.35, 0.35).setFill();
    BezierPath triangle;
    triangle.moveToPoint({button.midX() - 3.5, button.midY() + 2});
    triangle.lineToPoint({button.midX() + 3.5, button.midY() + 2});
    triangle.lineToPoint({button.midX(), button.midY() - 3});
    triangle.closePath();
    triangle.fill();
}

} // namespace ns
