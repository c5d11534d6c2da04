#include "TableauPlugIn.h"

#include "AIError.h"
#include "Prises.h"
#include "Reglages.h"
#include "TableauSuites.h"

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
      fNotifyUndoRedo(nullptr),
      fMenuImporter(nullptr),
      fMenuExporter(nullptr),
      fMenuColler(nullptr),
      fResourceManager(nullptr)
{
    std::strcpy(fPluginName, "Tableau");
}

TableauPlugIn::~TableauPlugIn()
{
    // The panel goes with the host that shut the plug-in down: none of its controls is to be
    // reached any more.
    Registre().efface();
}

ASErr TableauPlugIn::StartupPlugin(SPInterfaceMessage* message)
{
    // A host may start the plug-in again in the same process: it starts from nothing, as a
    // freshly loaded one does, and none of the controls or handles of the run before (whose
    // panel has gone with its host) is taken for one of this run.
    RemetLesReglagesAZero();
    Registre().efface();
    Outil = nullptr;
    PanneauRef = nullptr;
    MenuLocal = nullptr;
    ASErr error = Plugin::StartupPlugin(message);
    if (error == kNoErr) {
        // The option flags go back as they came: nothing of ours changes them.
        ai_int32 options = 0;
        error = sAIPlugin->GetPluginOptions(message->d.self, &options);
        if (error == kNoErr)
            error = sAIPlugin->SetPluginOptions(message->d.self, options);
    }
    if (error == kNoErr)
        error = AddTools(message);
    if (error == kNoErr)
        error = AddAnnotator(message);
    if (error == kNoErr)
        error = AddMenus(message);
    if (error == kNoErr)
        error = AddNotifier(message);
    return error;
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
