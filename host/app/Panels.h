// The panels plug-ins create, each showing a toolkit view the host owns, and the flyout
// menus of their title bars. Handles are numbers never given out twice (panels and menus
// draw from one count), so a destroyed or foreign handle is never mistaken for a live one.
#pragma once

#include "View.h"
#include "Window.h"
#include "sdk/AIPanel.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace host {

class EventLog;
struct PluginRecord;

struct FlyoutItem {
    ai_uint32 id = 0;
    std::string text; // empty for a separator
    bool separator = false;
    bool enabled = true;
};

struct FlyoutMenu {
    AIPanelFlyoutMenuRef handle = nullptr;
    std::vector<FlyoutItem> items; // in the order appended

    // Null when the menu has no item with that identifier.
    FlyoutItem* item(ai_uint32 id);
    const FlyoutItem* item(ai_uint32 id) const;
};

struct Panel {
    AIPanelRef handle = nullptr;
    PluginRecord* owner = nullptr;
    std::string identifier;
    std::string title;
    ai_int32 stateCount = 0;
    AISize minimumSize{};
    bool resizable = false;
    AIPanelFlyoutMenuRef flyoutMenu = nullptr; // null when it has none or it was destroyed
    void* userData = nullptr;
    bool shown = false;  // hidden until the plug-in shows it
    AISize size{};       // starts at the minimum size
    ai_int32 preferredWidth = 0, preferredHeight = 0; // 0 until the plug-in gives one
    AIPanelFlyoutMenuProc flyoutProc = nullptr;
    std::vector<unsigned char> icon; // PNG bytes; empty for none
    // The panel's toolkit window: key routing, first responder and the driver work on it.
    std::unique_ptr<ns::Window> window;
    // What the panel shows, the window's content view (the window owns it); plug-ins set its
    // frame and add their views to it.
    ns::View* view = nullptr;
};

class Panels {
public:
    // kBadParameterErr for a null identifier, title or result pointer, an identifier another
    // panel has, a negative state count or a minimum size that is negative or not finite;
    // kBadHandleErr for a flyout menu that is not null and not a live menu.
    ASErr create(PluginRecord* owner, const char* identifier, const char* title, ai_int32 stateCount,
                 AISize minimumSize, bool resizable, AIPanelFlyoutMenuRef flyoutMenu, void* userData,
                 AIPanelRef* made);
    // False for a handle that is no live panel's.
    bool destroy(AIPanelRef handle);
    Panel* find(AIPanelRef handle) const;
    const std::vector<std::unique_ptr<Panel>>& all() const { return panels_; }
    // The first panel made that has a flyout menu; null for none.
    Panel* firstWithFlyoutMenu() const;
    // Chooses item `id` of that panel's flyout menu as a click in the menu does: a note in the
    // log, then the panel's flyout handler with the panel and `id`. Empty when chosen;
    // otherwise why nothing was (no such panel or item, a separator or a disabled item, the
    // handler's code unloaded).
    std::string chooseFlyoutItem(ai_uint32 id, EventLog& log) const;

    // What was typed into a field of the panels is sent, as leaving the field sends it: before
    // the pointer acts on the artboard, another tool is chosen or a panel is closed. False when
    // an alert a commit raised took the person's attention meanwhile.
    bool commitEditing() const;

    ASErr createMenu(AIPanelFlyoutMenuRef* made);
    // The panels that showed the menu are left with none.
    bool destroyMenu(AIPanelFlyoutMenuRef handle);
    FlyoutMenu* findMenu(AIPanelFlyoutMenuRef handle) const;

    // The PNG file signature, which SetIconPNG checks.
    static bool isPNG(const unsigned char* bytes, size_t length);

private:
    std::uintptr_t nextHandle_ = 1;
    std::vector<std::unique_ptr<Panel>> panels_;
    std::vector<std::unique_ptr<FlyoutMenu>> menus_;
};

} // namespace host
