#include "Panels.h"

#include "FirstWhere.h"
#include "EventLog.h"
#include "PluginManager.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace host {

namespace {

bool validSize(AISize size)
{
    return std::isfinite(size.width) && std::isfinite(size.height) && size.width >= 0 && size.height >= 0;
}

template <typename Object, typename Handle>
Object* findIn(const std::vector<std::unique_ptr<Object>>& objects, Handle handle)
{
    if (handle == nullptr)
        return nullptr;
    for (const auto& object : objects)
        if (object->handle == handle)
            return object.get();
    return nullptr;
}

template <typename Object, typename Handle>
bool removeFrom(std::vector<std::unique_ptr<Object>>& objects, Handle handle)
{
    auto it = std::find_if(objects.begin(), objects.end(), [&](const auto& o) { return o->handle == handle; });
    if (handle == nullptr || it == objects.end())
        return false;
    objects.erase(it);
    return true;
}

} // namespace

FlyoutItem* FlyoutMenu::item(ai_uint32 id)
{
    for (auto& i : items)
        if (i.id == id)
            return &i;
    return nullptr;
}

const FlyoutItem* FlyoutMenu::item(ai_uint32 id) const
{
    return const_cast<FlyoutMenu*>(this)->item(id);
}

ASErr Panels::create(PluginRecord* owner, const char* identifier, const char* title, ai_int32 stateCount,
                     AISize minimumSize, bool resizable, AIPanelFlyoutMenuRef flyoutMenu, void* userData,
                     AIPanelRef* made)
{
    if (identifier == nullptr || title == nullptr || made == nullptr || stateCount < 0 || !validSize(minimumSize))
        return kBadParameterErr;
    for (const auto& panel : panels_)
        if (panel->identifier == identifier)
            return kBadParameterErr;
    if (flyoutMenu != nullptr && findMenu(flyoutMenu) == nullptr)
        return kBadHandleErr;
    auto panel = std::make_unique<Panel>();
    panel->handle = reinterpret_cast<AIPanelRef>(nextHandle_++);
    panel->owner = owner;
    panel->identifier = identifier;
    panel->title = title;
    panel->stateCount = stateCount;
    panel->minimumSize = minimumSize;
    panel->resizable = resizable;
    panel->flyoutMenu = flyoutMenu;
    panel->userData = userData;
    panel->size = minimumSize;
    const ns::Rect frame{{0, 0}, {minimumSize.width, minimumSize.height}};
    panel->window = std::make_unique<ns::Window>(frame, title);
    panel->window->setIdentifier(identifier);
    auto view = std::make_unique<ns::View>(frame);
    panel->view = view.get();
    panel->window->setContentView(std::move(view));
    *made = panel->handle;
    panels_.push_back(std::move(panel));
    return kNoErr;
}

bool Panels::destroy(AIPanelRef handle)
{
    return removeFrom(panels_, handle);
}

Panel* Panels::find(AIPanelRef handle) const
{
    return findIn(panels_, handle);
}

Panel* Panels::firstWithFlyoutMenu() const
{
    return firstWhere(panels_, [&](const auto& panel) { return panel.flyoutMenu != nullptr; });
}

std::string Panels::chooseFlyoutItem(ai_uint32 id, EventLog& log) const
{
    const Panel* panel = firstWithFlyoutMenu();
    if (panel == nullptr)
        return "no panel with a flyout menu";
    const FlyoutMenu* menu = findMenu(panel->flyoutMenu);
    const FlyoutItem* item = menu != nullptr ? menu->item(id) : nullptr;
    const std::string number = std::to_string(id);
    if (item == nullptr)
        return "no flyout item " + number;
    // A menu does not let one choose a separator, nor what it shows greyed out.
    if (item->separator)
        return "flyout item " + number + " is a separator";
    if (!item->enabled)
        return "flyout item " + number + " is disabled";
    // The handler is a pointer into the plug-in's code: never call it once that code is gone.
    if (panel->flyoutProc != nullptr && panel->owner != nullptr && !panel->owner->codeLoaded())
        return "flyout item " + number + ": the code of " + panel->owner->displayName() + " is unloaded";
    log.note("flyout \"" + escapedAsInC(panel->title) + "\" " + number + " \"" + escapedAsInC(item->text) + "\"");
    if (panel->flyoutProc != nullptr)
        panel->flyoutProc(panel->handle, id);
    return {};
}

bool Panels::commitEditing() const
{
    bool uninterrupted = true;
    for (const auto& panel : panels_)
        if (panel->window && !panel->window->commitEditing())
            uninterrupted = false;
    return uninterrupted;
}

ASErr Panels::createMenu(AIPanelFlyoutMenuRef* made)
{
    if (made == nullptr)
        return kBadParameterErr;
    auto menu = std::make_unique<FlyoutMenu>();
    menu->handle = reinterpret_cast<AIPanelFlyoutMenuRef>(nextHandle_++);
    *made = menu->handle;
    menus_.push_back(std::move(menu));
    return kNoErr;
}

bool Panels::destroyMenu(AIPanelFlyoutMenuRef handle)
{
    if (!removeFrom(menus_, handle))
        return false;
    for (const auto& panel : panels_)
        if (panel->flyoutMenu == handle)
            panel->flyoutMenu = nullptr;
    return true;
}

FlyoutMenu* Panels::findMenu(AIPanelFlyoutMenuRef handle) const
{
    return findIn(menus_, handle);
}

bool Panels::isPNG(const unsigned char* bytes, size_t length)
{
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return bytes != nullptr && length >= sizeof kSignature && std::memcmp(bytes, kSignature, sizeof kSignature) == 0;
}

} // namespace host
