// What the plug-in registers with the host at start-up: the Table Tool, the annotator, the
// menu items and the notifiers.
#include "AIError.h"
#include "ActionsCellules.h"
#include "EcritLitPrefs.h"
#include "Reglages.h"
#include "SDKAboutPluginsHelper.h"
#include "TableauPlugIn.h"
#include "TableauSuites.h"

#include <cstdio>
#include <cstring>

const AIToolInfoVariable InfoVars[] = {15, 16, 23, kInfoEndOfList};
const char* const kOutilsDeLaFamille[3] = {"Varo Grid Tool", "Varo Calendar Tool", "Varo Chart Tool"};

ASErr TableauPlugIn::AddTools(SPInterfaceMessage* message)
{
    LitPrefs(); // the only time the stored settings are read
    AIAddToolData data{"Table Tool", "Table Tool 2.0", 16051, 16052, kNoTool, kNoTool};
    if (OutilsGroupe) {
        // With the eyedropper, in its group and its toolset.
        if (sAITool->GetToolNumberFromTitle("Adobe Eyedropper Tool", &data.sameGroupAs) == kNoErr)
            data.sameToolsetAs = data.sameGroupAs;
        else
            data.sameGroupAs = kNoTool;
    } else {
        bool trouve = false;
        for (const char* titre : kOutilsDeLaFamille)
            if (sAITool->GetToolNumberFromTitle(titre, &data.sameGroupAs) == kNoErr) {
                trouve = true;
                break;
            }
        if (!trouve)
            data.sameGroupAs = kNoTool; // a group of its own
    }
    ASErr error = sAITool->AddTool(message->d.self, "Table Tool", &data, kToolWantsToTrackCursorOption, &Outil);
    if (error != kNoErr)
        return error;
    return sAITool->SetToolInfoVars(Outil, InfoVars);
}

ASErr TableauPlugIn::AddAnnotator(SPInterfaceMessage* message)
{
    ASErr error = sAIAnnotator->AddAnnotator(message->d.self, "VaroAnno", &fAnnotator);
    if (error != kNoErr)
        return error;
    // Asleep until the tool is selected.
    return sAIAnnotator->SetAnnotatorActive(fAnnotator, false);
}

ASErr TableauPlugIn::AddMenus(SPInterfaceMessage* message)
{
    SDKAboutPluginsHelper aide;
    aide.AddAboutPluginsMenuItem(&message->d, "About Varo-Tools", "About Varo-Tools", "Varo-Table", &fAboutPluginMenu);

    // A sibling tool of the family may have made the group already: look from the last.
    ai_int32 nombre = 0;
    ASErr error = sAIMenu->CountMenuGroups(&nombre);
    if (error != kNoErr)
        return error;
    bool existe = false;
    for (ai_int32 i = nombre - 1; i >= 0 && !existe; --i) {
        AIMenuGroup groupe = nullptr;
        const char* nom = nullptr;
        if ((error = sAIMenu->GetNthMenuGroup(i, &groupe)) != kNoErr ||
            (error = sAIMenu->GetMenuGroupName(groupe, &nom)) != kNoErr)
            return error;
        existe = nom != nullptr && std::strcmp(nom, "Varo-Tools") == 0;
    }
    if (!existe) {
        const AIPlatformAddMenuItemData article{kToolPalettesMenuGroup, "Varo-Tools"};
        AIMenuItemHandle elementGroupe = nullptr;
        AIMenuGroup groupe = nullptr;
        if ((error = sAIMenu->AddMenuItem(message->d.self, "Varo-Tools", &article, kMenuItemNoOptions, &elementGroupe)) !=
                kNoErr ||
            (error = sAIMenu->AddMenuGroupAsSubMenu("Varo-Tools", kMenuGroupSortedAlphabeticallyOption, elementGroupe,
                                                    &groupe)) != kNoErr)
            return error;
    }
    const AIPlatformAddMenuItemData cacher{"Varo-Tools", "Hide Varo-Table"};
    if ((error = sAIMenu->AddMenuItem(message->d.self, "Hide Varo-Table", &cacher, kMenuItemWantsUpdateOption,
                                      &fMenuMontrerCacher)) != kNoErr)
        return error;

    // The current table's cells, from a file, into a file, from the clipboard.
    const struct {
        const char* groupe;
        const char* titre;
        AIMenuItemHandle* article;
    } cellules[] = {
        {kFileMenuGroup, kTitreImporterCellules, &fMenuImporter},
        {kFileMenuGroup, kTitreExporterCellules, &fMenuExporter},
        {kEditMenuGroup, kTitreCollerCellules, &fMenuColler},
    };
    for (const auto& c : cellules) {
        const AIPlatformAddMenuItemData article{c.groupe, c.titre};
        if ((error = sAIMenu->AddMenuItem(message->d.self, c.titre, &article, kMenuItemNoOptions, c.article)) != kNoErr)
            return error;
    }
    // Without its key, when the host keeps Ctrl+V for itself, the item is still in the menu.
    if (sAIMenu->SetItemCmd(fMenuColler, 'V', 0) != kNoErr)
        std::fprintf(stderr, "Varo-Table: \"%s\" has no key: the host refused Ctrl+V\n", kTitreCollerCellules);
    return kNoErr;
}

ASErr TableauPlugIn::AddNotifier(SPInterfaceMessage* message)
{
    try {
        const struct {
            const char* type;
            AINotifierHandle* handle;
        } notifiers[] = {
            {kAIApplicationShutdownNotifier, &fNotifyShutdown},
            {kAIArtSelectionChangedNotifier, &fNotifySelectionChanged},
            {kAIUIBrightnessChangedNotifier, &fNotifyBrightnessChanged},
            {kAIUndoRedoNotifier, &fNotifyUndoRedo},
        };
        for (const auto& n : notifiers)
            aisdk::check_ai_error(sAINotifier->AddNotifier(message->d.self, "TableauPlugIn", n.type, n.handle));
    } catch (const ai::Error& error) {
        return error.code();
    } catch (...) {
        return kCantHappenErr;
    }
    return kNoErr;
}
