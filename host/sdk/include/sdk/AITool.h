/* Tools: the "AI Tool" caller's message and the AI Tool suite. */
#ifndef SDK_AITOOL_H
#define SDK_AITOOL_H

#include "SPMessage.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kCallerAITool "AI Tool"
#define kSelectorAIEditToolOptions "AI Edit Options"
#define kSelectorAITrackToolCursor "AI Track Cursor"
#define kSelectorAIToolMouseDown "AI Mouse Down"
#define kSelectorAIToolMouseDrag "AI Mouse Drag"
#define kSelectorAIToolMouseUp "AI Mouse Up"
#define kSelectorAISelectTool "AI Select"
#define kSelectorAIDeselectTool "AI Deselect"
#define kSelectorAIReselectTool "AI Reselect"
#define kSelectorAIToolDecreaseDiameter "AI Decrease Diameter"
#define kSelectorAIToolIncreaseDiameter "AI Increase Diameter"

/* Modifier bits of AIEvent.modifiers. */
enum {
    aiEventModifiers_shiftKey = 0x0200,
    aiEventModifiers_optionKey = 0x0800,
    aiEventModifiers_cmdKey = 0x0100,
    aiEventModifiers_controlKey = 0x1000
};

/* The input event behind a tool message. */
typedef struct AIEvent {
    ai_uint16 what;
    ai_uint32 message;
    ai_uint32 when;      /* ticks */
    AIPoint where;       /* screen position */
    ai_uint16 modifiers; /* aiEventModifiers_ bits */
} AIEvent;

typedef struct AIToolMessage {
    SPMessageData d;
    AIToolHandle tool;
    AIRealPoint cursor;  /* artwork coordinates */
    AIReal pressure;     /* 0 to 1; 1 for a mouse */
    AIEvent* event;      /* the host's, valid during the call */
} AIToolMessage;

#define kAIToolSuite "AI Tool Suite"
#define kAIToolSuiteVersion 1012

typedef ai_int32 AIToolType; /* a tool number */
#define kNoTool (-2)

/* Option bits of AddTool. */
enum { kToolWantsToTrackCursorOption = 1 };

/* Info-panel variables a tool may declare; a list of them ends with kInfoEndOfList. */
typedef ai_int32 AIToolInfoVariable;
enum { kInfoEndOfList = -1 };

typedef struct AIAddToolData {
    const char* title;
    const char* tooltip;
    ai_int32 normalIconResID;
    ai_int32 darkIconResID;
    AIToolType sameGroupAs;   /* kNoTool: the tool opens a group of its own */
    AIToolType sameToolsetAs; /* kNoTool: no toolset */
} AIAddToolData;

typedef struct AIToolSuite {
    /* The handle is the host's, valid until the plug-in goes. kBadParameterErr for a null
     * name or data, or a name already taken. */
    ASErr (*AddTool)(SPPluginRef self, const char* name, const AIAddToolData* data, ai_int32 options,
                     AIToolHandle* tool);
    /* `infoVars` ends with kInfoEndOfList; the host copies it. */
    ASErr (*SetToolInfoVars)(AIToolHandle tool, const AIToolInfoVariable* infoVars);
    /* kNameNotFoundErr when no tool has that title; *toolNum is then untouched. */
    ASErr (*GetToolNumberFromTitle)(const char* title, AIToolType* toolNum);
    /* The host sends "AI Deselect" to the tool that was selected, then "AI Select". */
    ASErr (*SetSelectedTool)(AIToolHandle tool);
    ASErr (*SetSelectedToolByName)(const char* name);
    ASErr (*GetSelectedTool)(AIToolHandle* tool);
} AIToolSuite;

#ifdef __cplusplus
}
#endif

#endif
