// The table plug-in's object: what the table tool needs from the host's messages.
#pragma once

#include "Plugin.h"

class TableauPlugIn : public Plugin {
public:
    explicit TableauPlugIn(SPPluginRef pluginRef);
    ~TableauPlugIn() override;

    ASErr StartupPlugin(SPInterfaceMessage* message) override;
    ASErr PostStartupPlugin() override;
    ASErr Message(const char* caller, const char* selector, void* message) override;
    ASErr Notify(AINotifierMessage* message) override;
    ASErr GoMenuItem(AIMenuMessage* message) override;
    ASErr UpdateMenuItem(AIMenuMessage* message) override;
    ASErr EditTool(AIToolMessage* message) override;
    ASErr TrackToolCursor(AIToolMessage* message) override;
    ASErr ToolMouseDown(AIToolMessage* message) override;
    ASErr ToolMouseDrag(AIToolMessage* message) override;
    ASErr ToolMouseUp(AIToolMessage* message) override;
    ASErr SelectTool(AIToolMessage* message) override;
    ASErr DeselectTool(AIToolMessage* message) override;

    // The annotator's two messages, reached from Message.
    ASErr toolAnnotate(AIAnnotatorMessage* message);
    ASErr InvalAnnotator(AIAnnotatorMessage* message);

    // Rebuilds the dispatch table of an object whose code was loaded again.
    static void FixupVTable(TableauPlugIn* plugin);

private:
    explicit TableauPlugIn(ReloadTag tag) : Plugin(tag) {}

    AIMenuItemHandle fAboutPluginMenu;
    AIMenuItemHandle fMenuMontrerCacher; // "Hide Varo-Table" / "Show Varo-Table"
    AIRect fRectangleAnnotation;         // view coordinates, invalidated on "AI Invalidate"
    AIAnnotatorHandle fAnnotator;
    AINotifierHandle fNotifyShutdown;
    AINotifierHandle fNotifySelectionChanged;
    AINotifierHandle fNotifyBrightnessChanged;
    AIResourceManagerHandle fResourceManager;
};
