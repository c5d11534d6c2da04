// A text field with a list of preset entries; choosing an entry commits it.
#pragma once

#include "TextField.h"

#include <vector>

namespace ns {

class ComboBox : public TextField {
public:
    using TextField::TextField;

    void addItemWithObjectValue(std::string value) { items_.push_back(std::move(value)); }
    void addItemsWithObjectValues(const std::vector<std::string>& values);
    void removeAllItems() { items_.clear(); }
    int numberOfItems() const { return static_cast<int>(items_.size()); }
    const std::vector<std::string>& objectValues() const { return items_; }
    // The entry at `index`; empty outside the list.
    std::string itemObjectValueAtIndex(int index) const;

    // Shows the entry, sending nothing.
    void selectItemAtIndex(int index);
    // The entry the text is, or -1.
    int indexOfSelectedItem() const;
    // The user's choice from the list: the text becomes the entry and the action is sent.
    // False, and nothing changed, for an index outside the list or a disabled box.
    bool chooseItemAtIndex(int index);

    void drawRect(const Rect& dirty) override;
    // A click on the arrows opens the list as a menu below the box.
    void mouseDown(const Event& event) override;
    static constexpr double kArrowsWidth = 18;

private:
    std::vector<std::string> items_;
};

} // namespace ns
