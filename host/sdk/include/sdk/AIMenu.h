/* Menus: the "AI Menu" caller's message and the AI Menu suite. */
#ifndef SDK_AIMENU_H
#define SDK_AIMENU_H

#include "SPMessage.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kCallerAIMenu "AI Menu"
#define kSelectorAIGoMenuItem "AI Go"
#define kSelectorAIUpdateMenuItem "AI Update"

typedef struct AIMenuMessage {
    SPMessageData d;
    AIMenuItemHandle menuItem; /* the item chosen or about to be shown */
} AIMenuMessage;

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion 1010

/* Host menu groups a plug-in may add to. */
#define kAboutMenuGroup "About"
#define kToolPalettesMenuGroup "Tool Palettes"
#define kFileMenuGroup "File"
#define kEditMenuGroup "Edit"

/* Option bits of AddMenuItem and AddMenuGroupAsSubMenu. */
enum {
    kMenuItemNoOptions = 0,
    kMenuItemWantsUpdateOption = 1, /* the host sends "AI Update" before showing the item */
    kMenuGroupSortedAlphabeticallyOption = 1
};

/* Modifier bits of SetItemCmd, besides the command key itself. */
enum { kMenuItemCmdShiftModifier = 1 };

typedef struct AIPlatformAddMenuItemData {
    const char* groupName; /* the group the item goes into */
    const char* itemText;  /* the item's title; the host copies it */
} AIPlatformAddMenuItemData;

typedef struct AIMenuSuite {
    /* Adds an item under `inKey` (null for an unnamed item) to the data's group. The handle
     * is the host's and valid until the plug-in goes. kNameNotFoundErr when the group does
     * not exist, kBadParameterErr for a null data, group or title. */
    ASErr (*AddMenuItem)(SPPluginRef self, const char* inKey, const AIPlatformAddMenuItemData* data,
                         ai_int32 options, AIMenuItemHandle* menuItem);
    /* Makes a new group, named `name`, the submenu of the item. kBadHandleErr for an item that
     * is not live, kBadParameterErr for a name already taken. */
    ASErr (*AddMenuGroupAsSubMenu)(const char* name, ai_int32 options, AIMenuItemHandle menuItem,
                                   AIMenuGroup* group);
    ASErr (*CountMenuGroups)(ai_int32* count);
    /* kBadParameterErr for an index outside 0 to count - 1. */
    ASErr (*GetNthMenuGroup)(ai_int32 index, AIMenuGroup* group);
    /* *name stays the host's, valid while the group exists. */
    ASErr (*GetMenuGroupName)(AIMenuGroup group, const char** name);
    /* The host copies the text. */
    ASErr (*SetItemText)(AIMenuItemHandle menuItem, const char* text);
    ASErr (*GetItemText)(AIMenuItemHandle menuItem, const char** text);
    /* The key that chooses the item from the keyboard, with the command key (Ctrl) and the
     * modifiers given (kMenuItemCmdShiftModifier); key 0 takes it away. A letter in either case
     * is one key. A key another item or the host already answers to is refused with
     * kBadParameterErr, as is a key that is not a printable ASCII character (the space neither)
     * and a modifier bit other than kMenuItemCmdShiftModifier. kBadHandleErr for an item that is
     * not live. */
    ASErr (*SetItemCmd)(AIMenuItemHandle menuItem, char key, ai_int16 modifiers);
} AIMenuSuite;

#ifdef __cplusplus
}
#endif

#endif
