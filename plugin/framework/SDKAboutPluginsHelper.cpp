#include "SDKAboutPluginsHelper.h"

#include "SuiteTables.h"

#include <cstring>

ASErr SDKAboutPluginsHelper::AddAboutPluginsMenuItem(SPMessageData* message, const char* groupName,
                                                     const char* groupTitle, const char* itemTitle,
                                                     AIMenuItemHandle* menuItem)
{
    const void* suite = nullptr;
    ASErr error = message->basic->AcquireSuite(kAIMenuSuite, kAIMenuSuiteVersion, &suite);
    if (error)
        return error;
    fMenu = static_cast<const AIMenuSuite*>(suite);

    bool exists = false;
    error = GroupExists(groupName, exists);
    if (!error && !exists) {
        const AIPlatformAddMenuItemData groupItem = {kAboutMenuGroup, groupTitle};
        AIMenuItemHandle groupItemHandle = nullptr;
        error = fMenu->AddMenuItem(message->self, nullptr, &groupItem, kMenuItemNoOptions, &groupItemHandle);
        AIMenuGroup group = nullptr;
        if (!error)
            error = fMenu->AddMenuGroupAsSubMenu(groupName, kMenuGroupSortedAlphabeticallyOption, groupItemHandle,
                                                 &group);
    }
    if (!error) {
        const AIPlatformAddMenuItemData item = {groupName, itemTitle};
        AIMenuItemHandle itemHandle = nullptr;
        error = fMenu->AddMenuItem(message->self, nullptr, &item, kMenuItemNoOptions, &itemHandle);
        if (!error && menuItem != nullptr)
            *menuItem = itemHandle;
    }

    message->basic->ReleaseSuite(kAIMenuSuite, kAIMenuSuiteVersion);
    fMenu = nullptr;
    return error;
}

ASErr SDKAboutPluginsHelper::GroupExists(const char* groupName, bool& exists)
{
    exists = false;
    ai_int32 count = 0;
    ASErr error = fMenu->CountMenuGroups(&count);
    for (ai_int32 index = 0; !error && index < count; ++index) {
        AIMenuGroup group = nullptr;
        const char* name = nullptr;
        error = fMenu->GetNthMenuGroup(index, &group);
        if (!error)
            error = fMenu->GetMenuGroupName(group, &name);
        if (!error && name != nullptr && std::strcmp(name, groupName) == 0) {
            exists = true;
            break;
        }
    }
    return error;
}
