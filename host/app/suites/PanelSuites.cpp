// The AI Panel suite and the AI Panel Flyout Menu suite: panels showing a plug-in's views,
// and the menus of their title bars.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIPanel.h"

namespace host {

namespace {

Panels& panels()
{
    return Host::get().panels();
}

// --- flyout menus ---

ASErr CreateMenu(AIPanelFlyoutMenuRef* menu)
{
    if (ASErr error = injected(kAIPanelFlyoutMenuSuite, "Create"))
        return error;
    return panels().createMenu(menu);
}

ASErr DestroyMenu(AIPanelFlyoutMenuRef menu)
{
    if (ASErr error = injected(kAIPanelFlyoutMenuSuite, "Destroy"))
        return error;
    return panels().destroyMenu(menu) ? kNoErr : kBadHandleErr;
}

// An operation on one menu: the injected fault first, then the handle.
template <typename Body>
ASErr onMenu(const char* operation, AIPanelFlyoutMenuRef handle, Body body)
{
    if (ASErr error = injected(kAIPanelFlyoutMenuSuite, operation))
        return error;
    FlyoutMenu* menu = panels().findMenu(handle);
    if (menu == nullptr)
        return kBadHandleErr;
    return body(*menu);
}

// An operation on one item of a menu; kNameNotFoundErr when the menu has no such item.
template <typename Body>
ASErr onItem(const char* operation, AIPanelFlyoutMenuRef handle, ai_uint32 itemID, Body body)
{
    return onMenu(operation, handle, [&](FlyoutMenu& menu) -> ASErr {
        FlyoutItem* item = menu.item(itemID);
        return item == nullptr ? ASErr{kNameNotFoundErr} : body(*item);
    });
}

ASErr append(FlyoutMenu& menu, ai_uint32 itemID, const char* text, bool separator)
{
    if ((!separator && text == nullptr) || menu.item(itemID) != nullptr)
        return kBadParameterErr;
    menu.items.push_back(FlyoutItem{itemID, separator ? "" : text, separator, true});
    return kNoErr;
}

ASErr AppendItem(AIPanelFlyoutMenuRef menu, ai_uint32 itemID, const char* text)
{
    return onMenu("AppendItem", menu, [&](FlyoutMenu& m) { return append(m, itemID, text, false); });
}

ASErr AppendSeparator(AIPanelFlyoutMenuRef menu, ai_uint32 itemID)
{
    return onMenu("AppendSeparator", menu, [&](FlyoutMenu& m) { return append(m, itemID, nullptr, true); });
}

ASErr SetItemEnabled(AIPanelFlyoutMenuRef menu, ai_uint32 itemID, ASBoolean enabled)
{
    return onItem("SetItemEnabled", menu, itemID, [&](FlyoutItem& item) -> ASErr {
        item.enabled = enabled != 0;
        return kNoErr;
    });
}

ASErr GetItemEnabled(AIPanelFlyoutMenuRef menu, ai_uint32 itemID, ASBoolean* enabled)
{
    return onItem("GetItemEnabled", menu, itemID, [&](FlyoutItem& item) -> ASErr {
        if (enabled == nullptr)
            return kBadParameterErr;
        *enabled = item.enabled;
        return kNoErr;
    });
}

ASErr SetItemText(AIPanelFlyoutMenuRef menu, ai_uint32 itemID, const char* text)
{
    return onItem("SetItemText", menu, itemID, [&](FlyoutItem& item) -> ASErr {
        if (text == nullptr || item.separator)
            return kBadParameterErr;
        item.text = text;
        return kNoErr;
    });
}

// --- panels ---

ASErr Create(SPPluginRef self, const char* id, const char* title, ai_int32 stateCount, AISize minSize,
             ASBoolean isResizable, AIPanelFlyoutMenuRef flyoutMenu, void* userData, AIPanelRef* panel)
{
    if (ASErr error = injected(kAIPanelSuite, "Create"))
        return error;
    PluginRecord* owner = Host::get().plugins().find(self);
    if (owner == nullptr)
        return kBadHandleErr;
    return panels().create(owner, id, title, stateCount, minSize, isResizable != 0, flyoutMenu, userData, panel);
}

ASErr Destroy(AIPanelRef panel)
{
    if (ASErr error = injected(kAIPanelSuite, "Destroy"))
        return error;
    return panels().destroy(panel) ? kNoErr : kBadHandleErr;
}

// An operation on one panel: the injected fault first, then the handle.
template <typename Body>
ASErr onPanel(const char* operation, AIPanelRef handle, Body body)
{
    if (ASErr error = injected(kAIPanelSuite, operation))
        return error;
    Panel* panel = panels().find(handle);
    if (panel == nullptr)
        return kBadHandleErr;
    return body(*panel);
}

// Copies `value` out through `out`; kBadParameterErr for a null `out`.
template <typename T, typename U>
ASErr give(T* out, const U& value)
{
    if (out == nullptr)
        return kBadParameterErr;
    *out = value;
    return kNoErr;
}

ASErr Show(AIPanelRef handle, ASBoolean show)
{
    return onPanel("Show", handle, [&](Panel& panel) -> ASErr {
        // A panel that closes sends what was typed into its field first.
        if (show == 0 && panel.shown && panel.window)
            panel.window->commitEditing();
        panel.shown = show != 0;
        return kNoErr;
    });
}

ASErr IsShown(AIPanelRef handle, ASBoolean* shown)
{
    return onPanel("IsShown", handle, [&](Panel& panel) { return give(shown, ASBoolean{panel.shown}); });
}

ASErr GetPlatformWindow(AIPanelRef handle, void** view)
{
    return onPanel("GetPlatformWindow", handle,
                   [&](Panel& panel) { return give(view, static_cast<void*>(panel.view)); });
}

ASErr GetSize(AIPanelRef handle, AISize* size)
{
    return onPanel("GetSize", handle, [&](Panel& panel) { return give(size, panel.size); });
}

// Taken as given: the panel's size is the plug-in's to choose, not clamped to the minimum.
ASErr SetSize(AIPanelRef handle, AISize size)
{
    return onPanel("SetSize", handle, [&](Panel& panel) -> ASErr {
        if (!finite(size.width) || !finite(size.height) || size.width < 0 || size.height < 0)
            return kBadParameterErr;
        panel.size = size;
        return kNoErr;
    });
}

ASErr SetPreferredSizes(AIPanelRef handle, ai_int32 width, ai_int32 height)
{
    return onPanel("SetPreferredSizes", handle, [&](Panel& panel) -> ASErr {
        if (width < 0 || height < 0)
            return kBadParameterErr;
        panel.preferredWidth = width;
        panel.preferredHeight = height;
        return kNoErr;
    });
}

ASErr SetFlyoutMenuProc(AIPanelRef handle, AIPanelFlyoutMenuProc proc)
{
    return onPanel("SetFlyoutMenuProc", handle, [&](Panel& panel) -> ASErr {
        panel.flyoutProc = proc;
        return kNoErr;
    });
}

ASErr GetFlyoutMenu(AIPanelRef handle, AIPanelFlyoutMenuRef* menu)
{
    return onPanel("GetFlyoutMenu", handle, [&](Panel& panel) { return give(menu, panel.flyoutMenu); });
}

ASErr SetIconPNG(AIPanelRef handle, const unsigned char* png, size_t length)
{
    return onPanel("SetIconPNG", handle, [&](Panel& panel) -> ASErr {
        if (!Panels::isPNG(png, length))
            return kBadParameterErr;
        panel.icon.assign(png, png + length);
        return kNoErr;
    });
}

ASErr GetUserData(AIPanelRef handle, void** userData)
{
    return onPanel("GetUserData", handle, [&](Panel& panel) { return give(userData, panel.userData); });
}

const AIPanelFlyoutMenuSuite kFlyoutMenu = {
    .Create = CreateMenu,
    .Destroy = DestroyMenu,
    .AppendItem = AppendItem,
    .AppendSeparator = AppendSeparator,
    .SetItemEnabled = SetItemEnabled,
    .GetItemEnabled = GetItemEnabled,
    .SetItemText = SetItemText,
};
const AIPanelSuite kPanel = {
    .Create = Create,
    .Destroy = Destroy,
    .Show = Show,
    .IsShown = IsShown,
    .GetPlatformWindow = GetPlatformWindow,
    .GetSize = GetSize,
    .SetSize = SetSize,
    .SetPreferredSizes = SetPreferredSizes,
    .SetFlyoutMenuProc = SetFlyoutMenuProc,
    .GetFlyoutMenu = GetFlyoutMenu,
    .SetIconPNG = SetIconPNG,
    .GetUserData = GetUserData,
};

} // namespace

void installPanelSuites(SuiteRegistry& registry)
{
    registry.add(kAIPanelFlyoutMenuSuite, kAIPanelFlyoutMenuSuiteVersion, &kFlyoutMenu);
    registry.add(kAIPanelSuite, kAIPanelSuiteVersion, &kPanel);
}

} // namespace host
