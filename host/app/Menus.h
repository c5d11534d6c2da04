// The host's menus: groups of items, the host's own and those plug-ins add, items that open
// a group as their submenu. Choosing an item sends its plug-in "AI Go"; an item that wants
// it is sent "AI Update" before it is shown.
#pragma once

#include "sdk/AIMenu.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace host {

class PluginManager;
struct PluginRecord;
struct MenuItem;

struct MenuGroup {
    std::string name;
    MenuItem* parent = nullptr; // the item whose submenu this is; null for a top-level group
    ai_int32 options = 0;
    AIMenuGroup handle() const { return reinterpret_cast<AIMenuGroup>(const_cast<MenuGroup*>(this)); }
};

// The key that chooses an item from the keyboard, with Ctrl (the platform's Command key):
// a printable ASCII character, letters in capitals, and whether Shift is held too.
struct MenuKey {
    char character = 0; // 0: none
    bool shift = false;
    bool operator==(const MenuKey&) const = default;
    // "Ctrl+V", "Ctrl+Shift+V"; empty for none.
    std::string text() const;
};

struct MenuItem {
    std::string key;
    std::string title;
    MenuGroup* group = nullptr;
    ai_int32 options = 0;
    PluginRecord* owner = nullptr;
    MenuGroup* submenu = nullptr;
    MenuKey command; // the keys that choose it; none until its plug-in gives them
    AIMenuItemHandle handle() const { return reinterpret_cast<AIMenuItemHandle>(const_cast<MenuItem*>(this)); }
};

class Menus {
public:
    // The host's own groups, "About" and "Tool Palettes" among them.
    explicit Menus(PluginManager& plugins);
    Menus(const Menus&) = delete;
    Menus& operator=(const Menus&) = delete;

    ASErr addItem(PluginRecord* owner, const char* key, const AIPlatformAddMenuItemData* data, ai_int32 options,
                  AIMenuItemHandle* made);
    ASErr addGroupAsSubMenu(const char* name, ai_int32 options, AIMenuItemHandle item, AIMenuGroup* made);
    // The keys that choose the item (SetItemCmd): `character` with Ctrl, and with Shift when
    // `modifiers` has kMenuItemCmdShiftModifier; 0 takes them away. kBadParameterErr for a
    // character that is not printable ASCII (a space neither), another modifier bit, a key the
    // host answers itself (kHostKeys) or one another item has; kBadHandleErr for no such item.
    ASErr setCommand(AIMenuItemHandle item, char character, ai_int16 modifiers);
    // The item a key pressed with Ctrl chooses (letters in either case); null for none.
    MenuItem* itemForKey(char character, bool shift) const;

    // The characters the host's own items answer with Ctrl, with or without Shift, which the
    // document window handles (Open, Save and Save As, Quit, Undo and Redo, the zooms): no
    // plug-in item may take them.
    static constexpr std::string_view kHostKeys = "OSQZY0+=-_";

    MenuItem* item(AIMenuItemHandle handle) const;
    MenuGroup* group(AIMenuGroup handle) const;
    MenuGroup* groupNamed(std::string_view name) const;
    // The last item added with that title; null for none.
    MenuItem* itemTitled(std::string_view title) const;
    const std::vector<std::unique_ptr<MenuGroup>>& groups() const { return groups_; }
    const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }

    // What showing the item's menu and choosing it do: "AI Update" first when the item wants
    // it, then "AI Go". An item that opens a submenu, or that no plug-in owns, does nothing.
    void choose(MenuItem& item);
    // "AI Update" to every item that wants it, as opening the menus does, so that their
    // texts are the ones the user would see.
    void updateAll();
    // What a user choosing the title in the menus does: the menus open (updateAll), then the
    // item that has that title now is chosen ("AI Go"). Empty when chosen; otherwise why
    // nothing was: no item has that title, it opens a submenu, or it is the host's own.
    std::string chooseTitled(std::string_view title);
    // What the host settles before any item acts (the text being typed into ends, kept).
    void setBeforeGo(std::function<void()> settle) { beforeGo_ = std::move(settle); }

private:
    void send(MenuItem& item, const char* selector);

    PluginManager& plugins_;
    std::vector<std::unique_ptr<MenuGroup>> groups_;
    std::vector<std::unique_ptr<MenuItem>> items_;
    std::function<void()> beforeGo_;
};

} // namespace host
