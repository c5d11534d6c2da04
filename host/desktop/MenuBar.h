// The document window's menu bar: the application menu, File, Edit, Object, View, Window
// and Help, each opening its items as a menu. The host's own items (Save, Quit, the zooms)
// come with their keys; a plug-in's items are those it added to the group, its submenus'
// items indented under them, their titles as "AI Update" left them when the menu opened, with
// the keys it gave them.
#pragma once

#include "View.h"

#include <functional>
#include <string>
#include <vector>

namespace host {
class Host;
}

namespace host::desktop {

// What the host's own items do; the document window gives them.
struct HostActions {
    std::function<void()> open, save, saveAs, quit, zoomIn, zoomOut, fit, undo, redo;
};

struct MenuBarItem {
    std::string title;
    std::string key; // "Ctrl+S" and the like, shown at the right; empty for none
    bool enabled = true;
    std::function<void()> action; // null for a title that only heads its submenu's items
};

class MenuBar : public ns::View {
public:
    static constexpr double kHeight = 22;

    MenuBar(Host& host, HostActions actions, ns::Rect frame);

    // The titles shown, left to right.
    std::vector<std::string> titles() const;
    // The items of a title's menu now; empty for a title with none.
    std::vector<MenuBarItem> items(const std::string& title) const;
    // The title's place in the bar, in the bar's coordinates; empty for no such title.
    ns::Rect titleRect(const std::string& title) const;
    // Opens the title's menu, as a click on it does.
    void open(const std::string& title);

    void drawRect(const ns::Rect& dirty) override;
    void mouseDown(const ns::Event& event) override;
    void mouseMoved(const ns::Event& event) override;

private:
    Host& host_;
    HostActions actions_;
};

} // namespace host::desktop
