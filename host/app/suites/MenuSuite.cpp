// The AI Menu suite: items and groups in the host's menus.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIMenu.h"

namespace host {

namespace {

Menus& menus()
{
    return Host::get().menus();
}

ASErr AddMenuItem(SPPluginRef self, const char* inKey, const AIPlatformAddMenuItemData* data, ai_int32 options,
                  AIMenuItemHandle* menuItem)
{
    if (ASErr error = injected(kAIMenuSuite, "AddMenuItem"))
        return error;
    PluginRecord* owner = Host::get().plugins().find(self);
    if (owner == nullptr)
        return kBadParameterErr;
    return menus().addItem(owner, inKey, data, options, menuItem);
}

ASErr AddMenuGroupAsSubMenu(const char* name, ai_int32 options, AIMenuItemHandle menuItem, AIMenuGroup* group)
{
    if (ASErr error = injected(kAIMenuSuite, "AddMenuGroupAsSubMenu"))
        return error;
    return menus().addGroupAsSubMenu(name, options, menuItem, group);
}

ASErr CountMenuGroups(ai_int32* count)
{
    if (ASErr error = injected(kAIMenuSuite, "CountMenuGroups"))
        return error;
    if (count == nullptr)
        return kBadParameterErr;
    *count = static_cast<ai_int32>(menus().groups().size());
    return kNoErr;
}

ASErr GetNthMenuGroup(ai_int32 index, AIMenuGroup* group)
{
    if (ASErr error = injected(kAIMenuSuite, "GetNthMenuGroup"))
        return error;
    if (group == nullptr || index < 0 || static_cast<size_t>(index) >= menus().groups().size())
        return kBadParameterErr;
    *group = menus().groups()[static_cast<size_t>(index)]->handle();
    return kNoErr;
}

ASErr GetMenuGroupName(AIMenuGroup handle, const char** name)
{
    if (ASErr error = injected(kAIMenuSuite, "GetMenuGroupName"))
        return error;
    const MenuGroup* group = menus().group(handle);
    if (group == nullptr)
        return kBadHandleErr;
    if (name == nullptr)
        return kBadParameterErr;
    *name = group->name.c_str();
    return kNoErr;
}

ASErr SetItemText(AIMenuItemHandle handle, const char* text)
{
    if (ASErr error = injected(kAIMenuSuite, "SetItemText"))
        return error;
    MenuItem* item = menus().item(handle);
    if (item == nullptr)
        return kBadHandleErr;
    if (text == nullptr)
        return kBadParameterErr;
    item->title = text;
    return kNoErr;
}

ASErr GetItemText(AIMenuItemHandle handle, const char** text)
{
    if (ASErr error = injected(kAIMenuSuite, "GetItemText"))
        return error;
    const MenuItem* item = menus().item(handle);
    if (item == nullptr)
        return kBadHandleErr;
    if (text == nullptr)
        return kBadParameterErr;
    *text = item->title.c_str();
    return kNoErr;
}

ASErr SetItemCmd(AIMenuItemHandle handle, char key, ai_int16 modifiers)
{
    if (ASErr error = injected(kAIMenuSuite, "SetItemCmd"))
        return error;
    return menus().setCommand(handle, key, modifiers);
}

const AIMenuSuite kMenu = {AddMenuItem,      AddMenuGroupAsSubMenu, CountMenuGroups, GetNthMenuGroup,
                           GetMenuGroupName, SetItemText,           GetItemText,     SetItemCmd};

} // namespace

void installMenuSuite(SuiteRegistry& registry)
{
    registry.add(kAIMenuSuite, kAIMenuSuiteVersion, &kMenu);
}

} // namespace host
