#include "Menus.h"

#include "FirstWhere.h"
#include "PluginManager.h"

namespace host {

namespace {

const char* const kHostGroups[] = {kAboutMenuGroup, "File", "Edit", "Object", "Window", kToolPalettesMenuGroup, "Help"};

// Letters as the menus show them: capitals; other characters as they are.
char shownCharacter(char character)
{
    return character >= 'a' && character <= 'z' ? static_cast<char>(character - 'a' + 'A') : character;
}

} // namespace

std::string MenuKey::text() const
{
    if (character == 0)
        return {};
    return std::string("Ctrl+") + (shift ? "Shift+" : "") + character;
}

Menus::Menus(PluginManager& plugins) : plugins_(plugins)
{
    for (const char* name : kHostGroups)
        groups_.push_back(std::make_unique<MenuGroup>(MenuGroup{name}));
}

ASErr Menus::addItem(PluginRecord* owner, const char* key, const AIPlatformAddMenuItemData* data, ai_int32 options,
                     AIMenuItemHandle* made)
{
    if (data == nullptr || data->groupName == nullptr || data->itemText == nullptr || made == nullptr)
        return kBadParameterErr;
    MenuGroup* into = groupNamed(data->groupName);
    if (into == nullptr)
        return kNameNotFoundErr;
    auto item = std::make_unique<MenuItem>();
    item->key = key != nullptr ? key : "";
    item->title = data->itemText;
    item->group = into;
    item->options = options;
    item->owner = owner;
    *made = item->handle();
    items_.push_back(std::move(item));
    return kNoErr;
}

ASErr Menus::addGroupAsSubMenu(const char* name, ai_int32 options, AIMenuItemHandle handle, AIMenuGroup* made)
{
    MenuItem* parent = item(handle);
    if (parent == nullptr)
        return kBadHandleErr;
    if (name == nullptr || made == nullptr || groupNamed(name) != nullptr || parent->submenu != nullptr)
        return kBadParameterErr;
    groups_.push_back(std::make_unique<MenuGroup>(MenuGroup{name, parent, options}));
    parent->submenu = groups_.back().get();
    *made = parent->submenu->handle();
    return kNoErr;
}

ASErr Menus::setCommand(AIMenuItemHandle handle, char character, ai_int16 modifiers)
{
    MenuItem* found = item(handle);
    if (found == nullptr)
        return kBadHandleErr;
    if (character == 0) {
        found->command = {};
        return kNoErr;
    }
    const auto code = static_cast<unsigned char>(character);
    if (code <= ' ' || code > '~' || (modifiers & ~kMenuItemCmdShiftModifier) != 0)
        return kBadParameterErr;
    const MenuKey key{shownCharacter(character), (modifiers & kMenuItemCmdShiftModifier) != 0};
    if (kHostKeys.find(key.character) != std::string_view::npos)
        return kBadParameterErr;
    if (const MenuItem* holder = itemForKey(key.character, key.shift); holder != nullptr && holder != found)
        return kBadParameterErr;
    found->command = key;
    return kNoErr;
}

MenuItem* Menus::itemForKey(char character, bool shift) const
{
    if (character == 0)
        return nullptr;
    const MenuKey key{shownCharacter(character), shift};
    return firstWhere(items_, [&](const auto& i) { return i.command == key; });
}

MenuItem* Menus::item(AIMenuItemHandle handle) const
{
    return firstWhere(items_, [&](const auto& i) { return i.handle() == handle; });
}

MenuGroup* Menus::group(AIMenuGroup handle) const
{
    return firstWhere(groups_, [&](const auto& g) { return g.handle() == handle; });
}

MenuGroup* Menus::groupNamed(std::string_view name) const
{
    return firstWhere(groups_, [&](const auto& g) { return g.name == name; });
}

MenuItem* Menus::itemTitled(std::string_view title) const
{
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
        if ((*it)->title == title)
            return it->get();
    return nullptr;
}

void Menus::send(MenuItem& item, const char* selector)
{
    if (beforeGo_ && std::string_view(selector) == kSelectorAIGoMenuItem)
        beforeGo_();
    AIMenuMessage message{};
    message.menuItem = item.handle();
    plugins_.send(*item.owner, kCallerAIMenu, selector, message.d, "\"" + item.title + "\"");
}

void Menus::updateAll()
{
    for (const auto& item : items_)
        if (item->owner != nullptr && item->submenu == nullptr && (item->options & kMenuItemWantsUpdateOption))
            send(*item, kSelectorAIUpdateMenuItem);
}

std::string Menus::chooseTitled(std::string_view title)
{
    updateAll();
    MenuItem* item = itemTitled(title);
    const std::string named = "menu item \"" + std::string(title) + "\"";
    if (item == nullptr)
        return "no " + named;
    if (item->submenu != nullptr)
        return named + " opens a submenu: there is nothing to choose";
    if (item->owner == nullptr)
        return named + " is the host's own: nothing is sent";
    send(*item, kSelectorAIGoMenuItem);
    return {};
}

void Menus::choose(MenuItem& item)
{
    if (item.owner == nullptr || item.submenu != nullptr)
        return;
    if (item.options & kMenuItemWantsUpdateOption)
        send(item, kSelectorAIUpdateMenuItem);
    send(item, kSelectorAIGoMenuItem);
}

} // namespace host
