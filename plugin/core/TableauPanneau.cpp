// When the application has started: the panel "Table 2.0" with its flyout menu and icon, and
// the controller's view in it.
#include "ClassesInterface.h"
#include "Prises.h"
#include "Ressources.h"
#include "TableauDialogue.h"
#include "TaillePanneau.h"
#include "TableauPlugIn.h"
#include "TableauSuites.h"
#include "sdk/AIDataFilter.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

// Made once, when the panel is; it lives as long as the plug-in's code.
std::unique_ptr<TableauDialogue> Controleur;

constexpr ai_int32 kTypePNGI = AS_FOUR_CHAR('P', 'N', 'G', 'I');
constexpr size_t kMorceauIcone = 1024;

} // namespace

ASErr TableauPlugIn::PostStartupPlugin()
{
    ASErr error = sAIUser->CreateCursorResourceMgr(fPluginRef, &fResourceManager);

    MenuLocal = nullptr;
    error = sAIPanelFlyoutMenu->Create(&MenuLocal);
    if (error != kNoErr)
        return error;
    error = sAIPanelFlyoutMenu->AppendItem(MenuLocal, 1, "Preferences…");
    error = sAIPanelFlyoutMenu->AppendSeparator(MenuLocal, 2);
    error = sAIPanelFlyoutMenu->AppendItem(MenuLocal, 3, kMontrerAide);
    // Usable only while the Table Tool is selected.
    for (ai_uint32 article = 1; article <= 7; ++article)
        error = sAIPanelFlyoutMenu->SetItemEnabled(MenuLocal, article, false);

    error = sAIPanel->Create(fPluginRef, "PanneauEssai", "Table 2.0", 3, AISize{240, 100}, false, MenuLocal, this,
                             &PanneauRef);
    error = sAIPanel->Show(PanneauRef, true);
    error = sAIPanel->SetPreferredSizes(PanneauRef, 300, 300);
    error = sAIPanel->SetFlyoutMenuProc(PanneauRef, MenuCBP);
    error = SetIconePanneauReduit();
    error = AddWidgets();
    error = sAITool->SetSelectedToolByName("Adobe Select Tool");
    return error;
}

ASErr TableauPlugIn::SetIconePanneauReduit()
{
    const void* suite = nullptr;
    ASErr error = sSPBasic->AcquireSuite(kAIDataFilterSuite, kAIDataFilterSuiteVersion, &suite);
    if (error != kNoErr)
        return error;
    const auto* filtres = static_cast<const AIDataFilterSuite*>(suite);

    AIDataFilter* filtre = nullptr;
    error = filtres->NewResourceDataFilter(fPluginRef, kTypePNGI, 0, "IconePanneauReduit", &filtre);
    if (error == kNoErr)
        error = filtres->LinkDataFilter(nullptr, filtre);
    if (error == kNoErr) {
        std::string png;
        // A short read ends the resource, so one of exactly 1024 bytes takes a second, empty read.
        for (;;) {
            char morceau[kMorceauIcone];
            size_t lus = sizeof morceau;
            if ((error = filtres->ReadDataFilter(filtre, morceau, &lus)) != kNoErr)
                break;
            png.append(morceau, lus);
            if (lus < sizeof morceau)
                break;
        }
        if (error == kNoErr)
            sAIPanel->SetIconPNG(PanneauRef, reinterpret_cast<const unsigned char*>(png.data()), png.size());
    }
    // Closed whatever happened; a filter that was never made has nothing to close, and the
    // error that kept it from being made stays the answer.
    if (filtre != nullptr) {
        AIDataFilter* suivant = nullptr;
        const ASErr fermeture = filtres->UnlinkDataFilter(filtre, &suivant);
        if (error == kNoErr)
            error = fermeture;
    }
    sSPBasic->ReleaseSuite(kAIDataFilterSuite, kAIDataFilterSuiteVersion);
    return error;
}

ASErr TableauPlugIn::AddWidgets()
{
    void* fenetre = nullptr;
    const ASErr error = sAIPanel->GetPlatformWindow(PanneauRef, &fenetre);
    auto* vuePanneau = static_cast<ns::View*>(fenetre);

    // A controller made again (a host started anew in the same process) replaces the old one
    // and its controls.
    Registre().efface();
    EnregistreClassesInterface(ns::Bundle::bundleWithIdentifier(kIdentifiantBundle));
    Controleur = std::make_unique<TableauDialogue>("TableauDialogue", ns::Bundle::bundleWithIdentifier(kIdentifiantBundle));
    if (ns::View* vue = Controleur->view(); vue != nullptr && vuePanneau != nullptr) {
        vuePanneau->setFrame(vue->frame());
        vuePanneau->addSubview(Controleur->takeView());
    } else if (vue == nullptr) {
        // A panel without its controls is still a working plug-in: say why, once.
        std::fprintf(stderr, "Varo-Table: the panel has no controls: %s\n", Controleur->loadError().c_str());
    }
    return error;
}
