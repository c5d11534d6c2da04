// The table plug-in's object: what the table tool needs from the host's messages.
#pragma once

#include "Plugin.h"
#include "PoigneesHote.h"
#include "sdk/AIPanel.h"

// The host's info-panel variables the tool declares, ended by kInfoEndOfList.
extern const AIToolInfoVariable InfoVars[];
// An artwork rectangle as view pixels of the current view, corner by corner; the first
// host error is the result.
ASErr ArtworkBoundsToViewBounds(const AIRealRect& artwork, AIRect& view);
// Asks the host to redraw the annotations over that artwork rectangle.
ASErr InvalidateRect(const AIRealRect& artwork);

// The panel's flyout handler.
void MenuCBP(AIPanelRef panneau, ai_uint32 article);

// The current layer's colour, read at each drawing of the annotations.
extern AIRGBColor CouleurCalque;

// Host tools of the same family the Table Tool groups with, tried in this order.
extern const char* const kOutilsDeLaFamille[3];

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

    // Makes the table's group "Table" in the layer "Varo-Table" (made when missing); fails,
    // after an alert, when that layer or the current one is locked.
    ASErr CreationGroupe(AIToolMessage* message);
    // The hover step of cursor tracking: the view refreshed, the tracking cursor set.
    ASErr Survol(AIToolMessage* message);
    // A change of the selection: a table selected while the panel is shown becomes the current
    // table, when it carries its settings; one made without them stays as it is, and the log
    // says why.
    ASErr ChoisitTableauSelectionne();
    // After an undo or a redo: the current table's settings as its group now holds them.
    ASErr RelitTableauCourant();

    // The registrations of start-up, in the order StartupPlugin makes them.
    ASErr AddTools(SPInterfaceMessage* message);
    ASErr AddAnnotator(SPInterfaceMessage* message);
    ASErr AddMenus(SPInterfaceMessage* message);
    ASErr AddNotifier(SPInterfaceMessage* message);

    AIAnnotatorHandle annotator() const { return fAnnotator; }
    AIMenuItemHandle aboutItem() const { return fAboutPluginMenu; }
    AIMenuItemHandle showHideItem() const { return fMenuMontrerCacher; }

    // The post-startup steps that give the panel its icon and its controller's view.
    ASErr SetIconePanneauReduit();
    ASErr AddWidgets();

    // The annotator's two messages, reached from Message, and its two drawings.
    ASErr toolAnnotate(AIAnnotatorMessage* message);
    ASErr InvalAnnotator(AIAnnotatorMessage* message);
    void TraceAnnoteRectangleSelection(AIAnnotatorMessage* message);
    ASErr TraceAnnoteTexte(AIAnnotatorMessage* message, const AIRGBColor& couleur);

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
    AINotifierHandle fNotifyUndoRedo;
    AIMenuItemHandle fMenuImporter; // File > "Import Cells…"
    AIMenuItemHandle fMenuExporter; // File > "Export Cells…"
    AIMenuItemHandle fMenuColler;   // Edit > "Paste Cells", Ctrl+V
    AIResourceManagerHandle fResourceManager;
};
