// A button that shows one item of a list; choosing another sends the action.
#pragma once

#include "Control.h"

#include <vector>

namespace ns {

class PopUpButton : public Control {
public:
    using Control::Control;

    void removeAllItems();
    void addItemWithTitle(std::string title);
    // At `index` (clamped to the list).
    void insertItemWithTitle(std::string title, int index);
    int numberOfItems() const { return static_cast<int>(items_.size()); }
    std::string itemTitleAtIndex(int index) const;
    const std::vector<std::string>& itemTitles() const { return items_; }

    // -1 for none; an index outside the list selects none.
    void selectItemAtIndex(int index);
    int indexOfSelectedItem() const { return selected_; }
    std::string titleOfSelectedItem() const { return itemTitleAtIndex(selected_); }
    // The user's choice: selects and sends the action. False, nothing changed, for an index
    // outside the list or a disabled button.
    bool chooseItemAtIndex(int index);

    std::string stringValue() const override { return titleOfSelectedItem(); }
    // A click opens the list as a menu over the button, the selected item under the pointer.
    void mouseDown(const Event& event) override;
    void drawRect(const Rect& dirty) override;

private:
    std::vector<std::string> items_;
    int selected_ = -1;
};

} // namespace ns
