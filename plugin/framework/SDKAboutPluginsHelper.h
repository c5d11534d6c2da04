// Puts a plug-in's item into the host's About menu, under a submenu of its maker's.
#pragma once

#include "sdk/AIMenu.h"

class SDKAboutPluginsHelper {
public:
    // Adds `itemTitle` to the group `groupName`, which is made first (as a submenu titled
    // `groupTitle` of the host's "About" group) when no group has that name. The first host
    // error stops the steps and is the result.
    ASErr AddAboutPluginsMenuItem(SPMessageData* message, const char* groupName, const char* groupTitle,
                                  const char* itemTitle, AIMenuItemHandle* menuItem);

private:
    ASErr GroupExists(const char* groupName, bool& exists);

    const AIMenuSuite* fMenu = nullptr;
};
