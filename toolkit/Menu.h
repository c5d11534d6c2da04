// A menu in a window of its own, as a pop-up button, a title of the menu bar or a panel's
// flyout opens it: a column of items, one chosen by a click. A click anywhere else, or
// Escape, closes it choosing nothing; Up, Down and Return choose from the keyboard.
#pragma once

#include "Window.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ns {

struct MenuEntry {
    std::string title;
    bool enabled = true;
    bool separator = false;
    bool checked = false;
};

class MenuWindow : public Window {
public:
    static constexpr double kRowHeight = 20, kSeparatorHeight = 9, kMinimumWidth = 120;

    // What choosing does; the menu has closed before it is called.
    using Chosen = std::function<void(int index)>;

    // Opens the menu with its top-left corner at `topLeft` on the screen (y upward) and the
    // pointer over item `highlighted` (-1 for none), closing any other first. The menu
    // window is the toolkit's: it lives until the next menu opens. `owner`, the view that
    // opened it, closes it as it goes (null for a menu no view opened).
    static MenuWindow& popUp(std::vector<MenuEntry> entries, Point topLeft, int highlighted, Chosen chosen,
                             const View* owner = nullptr);
    // The menu open now; null for none.
    static MenuWindow* open();
    // Closes the menu open now, choosing nothing.
    static void dismiss();
    // A view going away closes the menu it opened.
    static void ownerGone(const View* view);

    const std::vector<MenuEntry>& entries() const { return entries_; }
    int highlighted() const { return highlighted_; }
    // The item under a point of the window, or -1.
    int entryAt(Point locationInWindow) const;
    // The rectangle of item `index` in the window's coordinates.
    Rect entryRect(int index) const;

    // For the menu's view.
    void highlight(int index);
    void choose(int index);
    void keyDown(const Event& event) override;

    MenuWindow(std::vector<MenuEntry> entries, Point topLeft, int highlighted, Chosen chosen);

private:
    void step(int direction);

    std::vector<MenuEntry> entries_;
    int highlighted_ = -1;
    Chosen chosen_;
    const View* owner_ = nullptr;
};

// Where a view's top-left corner is on the screen: its window's frame and its place in it.
Point screenTopLeftOf(const View& view);

} // namespace ns
