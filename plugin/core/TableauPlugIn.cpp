#include "TableauPlugIn.h"

#include "AIError.h"

#include <cstring>
#include <new>

Plugin* AllocatePlugin(SPPluginRef pluginRef)
{
    return new (std::nothrow) TableauPlugIn(pluginRef);
}

void FixupReload(Plugin* plugin)
{
    TableauPlugIn::FixupVTable(static_cast<TableauPlugIn*>(plugin));
}

void TableauPlugIn::FixupVTable(TableauPlugIn* plugin)
{
    // Builds the object again over itself with the constructor that touches no field: only
    // the dispatch table, which points into the code just loaded, is written.
    new (plugin) TableauPlugIn(ReloadTag{});
}

TableauPlugIn::TableauPlugIn(SPPluginRef pluginRef)
    : Plugin(pluginRef),
      fAboutPluginMenu(nullptr),
      fMenuMontrerCacher(nullptr),
      fRectangleAnnotation{0, 0, 0, 0},
      fAnnotator(nullptr),
      fNotifyShutdown(nullptr),
      fNotifySelectionChanged(nullptr),
      fNotifyBrightnessChanged(nullptr),
      fResourceManager(nullptr)
{
    std::strcpy(fPluginName, "Tableau");
}

TableauPlugIn::~TableauPlugIn() = default;

ASErr TableauPlugIn::StartupPlugin(SPInterfaceMessage* message)
{
    return Plugin::StartupPlugin(message);
}

ASErr TableauPlugIn::PostStartupPlugin()
{
    return Plugin::PostStartupPlugin();
}

ASErr TableauPlugIn::Message(const char* caller, const char* selector, void* message)
{
    ASErr error = kNoErr;
    try {
        error = Plugin::Message(caller, selector, message);
    } catch (const ai::Error& hostError) {
        error = hostError.code();
    } catch (...) {
        error = kCantHappenErr;
    }

    if (error == kNoErr)
        return error;
    if (error != kUnhandledMsgErr) {
        ReportError(error, caller, selector, message);
        return error;
    }
    if (std::strcmp(caller, kCallerAIAnnotation) == 0) {
        auto* annotation = static_cast<AIAnnotatorMessage*>(message);
        if (std::strcmp(selector, kSelectorAIDrawAnnotation) == 0)
            return toolAnnotate(annotation);
        if (std::strcmp(selector, kSelectorAIInvalAnnotation) == 0)
            return InvalAnnotator(annotation);
    }
    return error;
}

ASErr TableauPlugIn::Notify(AINotifierMessage* message)
{
    return Plugin::Notify(message);
}

ASErr TableauPlugIn::GoMenuItem(AIMenuMessage* message)
{
    return Plugin::GoMenuItem(message);
}

ASErr TableauPlugIn::UpdateMenuItem(AIMenuMessage* message)
{
    return Plugin::UpdateMenuItem(message);
}

ASErr TableauPlugIn::EditTool(AIToolMessage* message)
{
    return Plugin::EditTool(message);
}

ASErr TableauPlugIn::TrackToolCursor(AIToolMessage* message)
{
    return Plugin::TrackToolCursor(message);
}

ASErr TableauPlugIn::ToolMouseDown(AIToolMessage* message)
{
    return Plugin::ToolMouseDown(message);
}

ASErr TableauPlugIn::ToolMouseDrag(AIToolMessage* message)
{
    return Plugin::ToolMouseDrag(message);
}

ASErr TableauPlugIn::ToolMouseUp(AIToolMessage* message)
{
    return Plugin::ToolMouseUp(message);
}

ASErr TableauPlugIn::SelectTool(AIToolMessage* message)
{
    return Plugin::SelectTool(message);
}

ASErr TableauPlugIn::DeselectTool(AIToolMessage* message)
{
    return Plugin::DeselectTool(message);
}

// The annotator is not drawn yet: both messages stay unanswered.
ASErr TableauPlugIn::toolAnnotate(AIAnnotatorMessage*)
{
    return kUnhandledMsgErr;
}

ASErr TableauPlugIn::InvalAnnotator(AIAnnotatorMessage*)
{
    return kUnhandledMsgErr;
}
