/* Panels hosting a plug-in's own views, and their flyout menus. */
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
    ASErr (*Destroy)(AIPanelFlyoutMenuRef menu);
    /* The host copies the text. kBadParameterErr for an identifier already used. */
    ASErr (*AppendItem)(AIPanelFlyoutMenuRef menu, ai_uint32 itemID, const char* text);
    ASErr (*AppendSeparator)(AIPanelFlyoutMenuRef menu, ai_uint32 itemID);
    /* kNameNotFoundErr for an identifier the menu does not have. */
    ASErr (*SetItemEnabled)(AIPanelFlyoutMenuRef menu, ai_uint32 itemID, ASBoolean enabled);
    ASErr (*GetItemEnabled)(AIPanelFlyoutMenuRef menu, ai_uint32 itemID, ASBoolean* enabled);
    ASErr (*SetItemText)(AIPanelFlyoutMenuRef menu, ai_uint32 itemID, const char* text);
} AIPanelFlyoutMenuSuite;

typedef struct AIPanelSuite {
    ASErr (*Create)(SPPluginRef self, const char* id, const char* title, ai_int32 stateCount, AISize minSize,
                    ASBoolean isResizable, AIPanelFlyoutMenuRef flyoutMenu, void* userData, AIPanelRef* panel);
    ASErr (*Destroy)(AIPanelRef panel);
    ASErr (*Show)(AIPanelRef panel, ASBoolean show);
    ASErr (*IsShown)(AIPanelRef panel, ASBoolean* shown);
    /* The toolkit view the host shows in the panel; the host owns it. */
    ASErr (*GetPlatformWindow)(AIPanelRef panel, void** view);
    ASErr (*GetSize)(AIPanelRef panel, AISize* size);
    ASErr (*SetSize)(AIPanelRef panel, AISize size);
    /* The size the host gives the panel when it first docks it, in whole points. */
    ASErr (*SetPreferredSizes)(AIPanelRef panel, ai_int32 width, ai_int32 height);
    ASErr (*SetFlyoutMenuProc)(AIPanelRef panel, AIPanelFlyoutMenuProc proc);
    ASErr (*GetFlyoutMenu)(AIPanelRef panel, AIPanelFlyoutMenuRef* menu);
    /* The host copies the PNG bytes. kBadParameterErr for bytes that are not a PNG image. */
    ASErr (*SetIconPNG)(AIPanelRef panel, const unsigned char* png, size_t length);
    ASErr (*GetUserData)(AIPanelRef panel, void** userData);
} AIPanelSuite;

#ifdef __cplusplus
}
#endif

#endif
