// The host menu items ("Varo-Table" in the About menu, "Hide Varo-Table"/"Show Varo-Table")
// and the panel's flyout menu.
#include "ActionsCellules.h"
#include "Application.h"
#include "ControlesEditeur.h"
#include "Prises.h"
#include "Reglages.h"
#include "TableauPlugIn.h"
#include "TableauSuites.h"
#include "TaillePanneau.h"

#include <cstdio>

namespace {

constexpr AISize kPanneauAide{480, 197};

} // namespace

ASErr TableauPlugIn::UpdateMenuItem(AIMenuMessage* message)
{
    ASBoolean visible = false;
    const ASErr error = sAIPanel->IsShown(PanneauRef, &visible);
    sAIMenu->SetItemText(message->menuItem, visible ? "Hide Varo-Table" : "Show Varo-Table");
    return error;
}

ASErr TableauPlugIn::GoMenuItem(AIMenuMessage* message)
{
    if (message->menuItem == fAboutPluginMenu) {
        if (auto* fenetre = ABOdialogue())
            fenetre->makeKeyAndOrderFront(nullptr);
        return kNoErr;
    }
    if (message->menuItem == fMenuImporter && fMenuImporter != nullptr)
        return ImporteCellules();
    if (message->menuItem == fMenuExporter && fMenuExporter != nullptr)
        return ExporteCellules();
    if (message->menuItem == fMenuColler && fMenuColler != nullptr)
        return ColleCellules();
    if (message->menuItem == fMenuMontrerCacher) {
        ASBoolean visible = false;
        ASErr error = sAIPanel->IsShown(PanneauRef, &visible);
        if (error == kNoErr)
            error = sAIPanel->Show(PanneauRef, !visible);
        return error;
    }
    return kNoErr;
}

void MenuCBP(AIPanelRef panneau, ai_uint32 article)
{
    char quoi[32];
    std::snprintf(quoi, sizeof quoi, "flyout item %u", static_cast<unsigned>(article));
    if (IgnoreSansSuites(quoi))
        return;
    sAIPanel->GetFlyoutMenu(panneau, &MenuLocal);
    if (article == 1) {
        // OK and Cancel close the dialog as they end its run: it stays closed.
        if (auto* fenetre = PREdialogue())
            ns::Application::sharedApplication().runModalForWindow(*fenetre);
    } else if (article == 3) {
        AISize taille{0, 0};
        sAIPanel->GetSize(panneau, &taille);
        // The help shows while the panel is wider than its narrow width.
        if (taille.width == kLargeurPanneau)
            taille = kPanneauAide;
        else
            taille = AISize{kLargeurPanneau, HauteurPanneau(IndexPopup, taille.height)};
        PoseTaillePanneau(taille);
    }
}
