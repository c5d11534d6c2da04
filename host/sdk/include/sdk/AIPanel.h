/* Panels hosting a plug-in's own views, and their flyout menus.
 *
 * Every operation on a panel or a menu answers kBadHandleErr for a handle that is null,
 * destroyed or not of its kind, and kBadParameterErr for a null result pointer. */
#ifndef SDK_AIPANEL_H
#define SDK_AIPANEL_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIPanelSuite "AI Panel Suite"
#define kAIPanelSuiteVersion 1001
#define kAIPanelFlyoutMenuSuite "AI Panel Flyout Menu Suite"
#define kAIPanelFlyoutMenuSuiteVersion 1001

typedef struct AISize {
    AIReal width, height;
} AISize;

/* The host calls it with the panel and the chosen item's identifier. */
typedef void (*AIPanelFlyoutMenuProc)(AIPanelRef panel, ai_uint32 itemID);

typedef struct AIPanelFlyoutMenuSuite {
    ASErr (*Create)(AIPanelFlyoutMenuRef* menu);
    /* A panel that showed the menu is left without one. */
    ASErr (*Destroy)(AIPanelFlyoutMenuRef menu);
    /* The host copies the text. kBadParameterErr for an identifier already used. */
    ASErr (*AppendItem)(AIPanelFlyoutMenuRef menu, ai_uint32 itemID, const char* text);
    ASErr (*AppendSeparator)(AIPanelFlyoutMenuRef menu, ai_uint32 itemID);
    /* kNameNotFoundErr for an identifier the menu does not have (here and below). Items are
     * enabled when appended; a separator or a disabled item cannot be chosen. */
    ASErr (*SetItemEnabled)(AIPanelFlyoutMenuRef menu, ai_uint32 itemID, ASBoolean enabled);
    ASErr (*GetItemEnabled)(AIPanelFlyoutMenuRef menu, ai_uint32 itemID, ASBoolean* enabled);
    /* The host copies the text. kBadParameterErr for a separator. */
    ASErr (*SetItemText)(AIPanelFlyoutMenuRef menu, ai_uint32 itemID, const char* text);
} AIPanelFlyoutMenuSuite;

typedef struct AIPanelSuite {
    /* The panel is hidden until shown, as large as minSize until sized. kBadParameterErr for an
     * identifier another panel has, kBadHandleErr for a plug-in the host does not know or a
     * flyout menu that is not null and not a live menu. */
    ASErr (*Create)(SPPluginRef self, const char* id, const char* title, ai_int32 stateCount, AISize minSize,
                    ASBoolean isResizable, AIPanelFlyoutMenuRef flyoutMenu, void* userData, AIPanelRef* panel);
    ASErr (*Destroy)(AIPanelRef panel);
    ASErr (*Show)(AIPanelRef panel, ASBoolean show);
    ASErr (*IsShown)(AIPanelRef panel, ASBoolean* shown);
    /* The toolkit view the host shows in the panel; the host owns it. */
    ASErr (*GetPlatformWindow)(AIPanelRef panel, void** view);
    ASErr (*GetSize)(AIPanelRef panel, AISize* size);
    /* The size as given, not clamped to the minimum; kBadParameterErr for one negative or not
     * finite. */
    ASErr (*SetSize)(AIPanelRef panel, AISize size);
    /* The size the host gives the panel when it first docks it, in whole points. */
    ASErr (*SetPreferredSizes)(AIPanelRef panel, ai_int32 width, ai_int32 height);
    ASErr (*SetFlyoutMenuProc)(AIPanelRef panel, AIPanelFlyoutMenuProc proc);
    /* Null when the panel has none. */
    ASErr (*GetFlyoutMenu)(AIPanelRef panel, AIPanelFlyoutMenuRef* menu);
    /* The host copies the PNG bytes. kBadParameterErr for bytes that are not a PNG image. */
    ASErr (*SetIconPNG)(AIPanelRef panel, const unsigned char* png, size_t length);
    ASErr (*GetUserData)(AIPanelRef panel, void** userData);
} AIPanelSuite;

#ifdef __cplusplus
}
#endif

#endif
