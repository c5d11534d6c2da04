#include "TableauDialogue.h"

#include "APropos.h"
#include "ActiverZones.h"
#include "Curseurs.h"
#include "DialoguePreferences.h"
#include "EditeurCouleurs.h"
#include "ElementLie.h"
#include "Panneau.h"
#include "PoigneesHote.h"
#include "PositionDialoguePrefs.h"
#include "Prises.h"
#include "Reglages.h"
#include "TableauPlugIn.h"
#include "TableauSuites.h"

#include "Screen.h"

namespace {

const ns::ActionTable<TableauDialogue> kActions = {
    {"BidonAcquisitionTableau:", &TableauDialogue::BidonAcquisitionTableauAction},
    {"BidonActiveOutilTableauCBP:", &TableauDialogue::BidonActiveOutilTableauCBP},
};

// Each window answers the actions of its own controls.
struct Fenetre {
    bool (*connait)(std::string_view selecteur);
    bool (*execute)(std::string_view selecteur, ns::Object* expediteur);
};
const Fenetre kFenetres[] = {
    {EstActionDuPanneau, ActionDuPanneau},
    {EstActionDeLEditeur, ActionDeLEditeur},
    {EstActionDesPreferences, ActionDesPreferences},
    {EstActionDeLAPropos, ActionDeLAPropos},
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
    if (kActions.perform(*this, selector, sender))
        return true;
    for (const Fenetre& f : kFenetres)
        if (f.execute(selector, sender))
            return true;
    return false;
}

bool TableauDialogue::respondsToAction(std::string_view selector) const
{
    if (kActions.contains(selector))
        return true;
    for (const Fenetre& f : kFenetres)
        if (f.connait(selector))
            return true;
    return false;
}

ns::Connection TableauDialogue::canConnectOutlet(std::string_view name, ns::Object& object) const
{
    const PriseDeclaree* prise = TrouvePriseDeclaree(name);
    if (prise == nullptr)
        return ns::Connection::UnknownOutlet;
    return prise->accepte(object) ? ns::Connection::Connected : ns::Connection::WrongClass;
}

void TableauDialogue::connectOutlet(std::string_view name, ns::Object& object)
{
    if (TrouvePriseDeclaree(name) != nullptr)
        Registre().inscrit(name, object);
}

void TableauDialogue::awakeFromNib()
{
    const ns::Rect ecran = ns::Screen::mainScreen().visibleFrame();
    if (ns::Button* acquisition = BidonAcquisitionTableau())
        acquisition->performClick(nullptr);
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
}

void TableauDialogue::BidonActiveOutilTableauCBP(ns::Object*)
{
    // The host's answer is its tool-selection message; the result itself tells nothing more.
    if (sAITool != nullptr)
        (void)sAITool->SetSelectedTool(Outil);
}
