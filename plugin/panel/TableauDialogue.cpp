#include "TableauDialogue.h"

#include "ActionsChamps.h"
#include "ActionsCouleurs.h"
#include "ActionsPreferences.h"
#include "ActiverZones.h"
#include "Curseurs.h"
#include "ElementLie.h"
#include "PositionDialoguePrefs.h"
#include "PrisesTableau.h"
#include "Reglages.h"
#include "TableauPlugIn.h"
#include "TableauSuites.h"

#include "Application.h"
#include "Screen.h"

const char* const kIdentifiantBundle = "fr.varo-tools.VaroTable";

namespace {

const ns::ActionTable<TableauDialogue> kActions = {
    {"BidonAcquisitionTableau:", &TableauDialogue::BidonAcquisitionTableauAction},
    {"BidonActiveOutilTableauCBP:", &TableauDialogue::BidonActiveOutilTableauCBP},
    {"PANpopupPosLigColCadTexCBP:", &TableauDialogue::PANpopupPosLigColCadTexCBP},
    {"COUpopUpTypeCouleurCBP:", &TableauDialogue::COUpopUpTypeCouleurCBP},
    {"PANavecSansCadreCBP:", &TableauDialogue::PANavecSansCadreCBP},
    {"PANavecSansTitreCBP:", &TableauDialogue::PANavecSansTitreCBP},
    {"PANavecSansTexteCBP:", &TableauDialogue::PANavecSansTexteCBP},
    {"PANnomTitreCBP:", &TableauDialogue::PANnomTitreCBP},
    {"PANnomTexteCBP:", &TableauDialogue::PANnomTexteCBP},
    {"PANnomsPolicesCBP:", &TableauDialogue::PANnomsPolicesCBP},
    {"PANcorpsCBP:", &TableauDialogue::PANcorpsCBP},
    {"PANaideApres:", &TableauDialogue::PANaideApres},
    {"PANaideAvant:", &TableauDialogue::PANaideAvant},
    {"PANvaroCBP:", &TableauDialogue::PANvaroCBP},
    {"PANurlCBP:", &TableauDialogue::PANurlCBP},
    {"PREnomsPolicesCBP:", &TableauDialogue::PREnomsPolicesCBP},
    {"PREsonCBP:", &TableauDialogue::PREsonCBP},
    {"PREoutilGroupeCBP:", &TableauDialogue::PREoutilGroupeCBP},
    {"PREok:", &TableauDialogue::PREok},
    {"PREannuler:", &TableauDialogue::PREannuler},
    {"PREdefaut:", &TableauDialogue::PREdefaut},
    {"ABOok:", &TableauDialogue::ABOok},
};

} // namespace

TableauDialogue::TableauDialogue(std::string nibName, ns::Bundle* bundle) : ns::ViewController(std::move(nibName), bundle) {}

bool TableauDialogue::performAction(std::string_view selector, ns::Object* sender)
{
    if (!respondsToAction(selector))
        return false;
    // The panel outlives a plug-in that was unloaded or shut down; its controls then do nothing.
    if (IgnoreSansSuites(std::string(selector).c_str()))
        return true;
    if (kActions.perform(*this, selector, sender) || ActionDeCouleur(selector) || ActionDePreferences(*this, selector))
        return true;
    // The length step buttons take their larger steps with Shift.
    const bool majuscule = (ns::Application::sharedApplication().modifierFlags() & ns::ShiftKeyMask) != 0;
    return ActionDeChamp(selector, majuscule);
}

bool TableauDialogue::respondsToAction(std::string_view selector) const
{
    return kActions.contains(selector) || EstActionDeCouleur(selector) || EstActionDePreferences(selector) ||
           EstActionDeChamp(selector);
}

ns::Connection TableauDialogue::canConnectOutlet(std::string_view name, ns::Object& object) const
{
    const PriseTableau* prise = TrouvePrise(name);
    if (prise == nullptr)
        return ns::Connection::UnknownOutlet;
    return prise->relie(nullptr, object) ? ns::Connection::Connected : ns::Connection::WrongClass;
}

void TableauDialogue::connectOutlet(std::string_view name, ns::Object& object)
{
    if (const PriseTableau* prise = TrouvePrise(name))
        prise->relie(this, object);
}

void TableauDialogue::awakeFromNib()
{
    const ns::Rect ecran = ns::Screen::mainScreen().visibleFrame();
    // The mirrors first: everything after reads them.
    if (BidonAcquisitionTableau != nullptr)
        BidonAcquisitionTableau->performClick(nullptr);
    CalculerCurseurs();
    PositionDialoguePrefs = ns::MakeRect(ecran.size.width * 0.5 - 180, ecran.size.height * 2 / 3 - 289.0 * 2 / 3, 360, 289);
    OkMovePrefs = 0;
    VirguleOuPoint = '.';
    ABOinitDialogue();
    PANinit();
    PREinitDialogue();
    // The Table Tool is not selected yet.
    ActiverZones(false);
}

void TableauDialogue::BidonAcquisitionTableauAction(ns::Object*)
{
    PtrPremierColonneLiee = NouvelElementLie();
    PtrPremierLigneLiee = NouvelElementLie();
    PtrPremierCadreLie = NouvelElementLie();
    PublieMiroirs(*this);
}

void TableauDialogue::BidonActiveOutilTableauCBP(ns::Object*)
{
    // The host's answer is its tool-selection message; the result itself tells nothing more.
    if (sAITool != nullptr)
        (void)sAITool->SetSelectedTool(Outil);
}
