// The preferences dialog's actions.
#include "DialoguePreferences.h"

#include "Actions.h"
#include "EcritLitPrefs.h"
#include "FormatNombres.h"
#include "PositionDialoguePrefs.h"
#include "Reglages.h"
#include "SimuleAppuiTouche.h"
#include "Prises.h"
#include "TableauSuites.h"
#include "ValidationChamp.h"
#include "ValeursPrefs.h"
#include "Sonorise.h"

#include "Application.h"

#include <string>

namespace {

constexpr const char* kValidationCorps = "PREcorpsCBP:";

// A field's commit, run when `executer`: false when `selecteur` is none.
bool ValideChampPrefs(std::string_view selecteur, bool executer)
{
    // Each field is read as the panel's of its kind; a count is kept within what the store
    // takes back at the next launch, and shown so.
    for (const NombrePrefs& n : kNombresPrefs)
        if (selecteur == n.validation) {
            if (executer)
                ValideChamp(n.zone(), {GenreChamp::Compte, nullptr, n.provisoire, 1, kNombreMaxRangs});
            return true;
        }
    for (const ValeurPrefs& v : kValeursPrefs)
        if (selecteur == v.validation) {
            if (executer && ValideChamp(v.zone(), {GenreChamp::Points, v.provisoire}) && v.gouttiere)
                SimuleAppuiToucheFn();
            return true;
        }
    if (selecteur == kValidationCorps) {
        if (executer)
            ValideChamp(PREzoneCorps(), {GenreChamp::TailleTexte, &CorpsProv});
        return true;
    }
    return false;
}

// The dialog closes: where it stood is kept for its next opening, and the host's
// application comes back to the front.
void Ferme(ns::Window* fenetre)
{
    if (fenetre != nullptr) {
        PositionDialoguePrefs = fenetre->frame();
        fenetre->orderOut(nullptr);
    }
    ns::Application::sharedApplication().activateIgnoringOtherApps(true);
}

void Coche(ns::Button* bouton, bool etat)
{
    if (bouton != nullptr)
        bouton->setState(etat ? ns::OnState : ns::OffState);
}

bool Coche(const ns::Button* bouton)
{
    return bouton != nullptr && bouton->state() == ns::OnState;
}

} // namespace

void PREnomsPolicesCBP(ns::Object* expediteur)
{
    auto* liste = PRElistePolices.envoyeur(expediteur);
    if (liste == nullptr)
        return;
    NumeroPoliceProv = liste->indexOfSelectedItem();
    // The name as the host gives it, cut whole characters short of the buffer.
    char nom[1024] = "";
    AIFontKey cle = nullptr;
    if (sAIFont->IndexUserFontList(NumeroPoliceProv, &cle) == kNoErr && cle != nullptr)
        sAIFont->GetFontName(cle, nom, sizeof nom);
    nom[sizeof nom - 1] = '\0';
    CopieNomPolice(NomPoliceProv, nom);
}

void PREsonCBP(ns::Object* expediteur)
{
    auto* coche = PREson.envoyeur(expediteur);
    SonProv = Coche(coche);
    if (SonProv)
        Sonorise(9000);
}

void PREoutilGroupeCBP(ns::Object* expediteur)
{
    auto* coche = PREoutilGroupe.envoyeur(expediteur);
    OutilsGroupeProv = Coche(coche);
    // The toolbox is laid out when the host starts the plug-in: the label says so while the
    // choice differs from the stored one.
    if (auto* zone = PREprochainLancement())
        zone->setHidden(OutilsGroupeProv == OutilsGroupe);
}

void PREok(ns::Object*)
{
    // What a field shows is what it stores: the field being typed into is committed first,
    // and keeps the focus for the next opening.
    if (auto* fenetre = PREdialogue())
        fenetre->commitEditing();
    EcritBooleen("Son", SonDefaut, SonProv);
    for (const ValeurPrefs& v : kValeursPrefs)
        EcritReel(v.cle, *v.defaut, *v.provisoire);
    for (const NombrePrefs& n : kNombresPrefs)
        EcritEntier(n.cle, *n.defaut, *n.provisoire);
    CopieNomPolice(NomPoliceDefaut, NomPoliceProv);
    sAIPreference->PutStringPreference(kPrefixePrefs, "Police", NomPoliceDefaut);
    EcritEntier("NumPolice", NumeroPoliceDefaut, NumeroPoliceProv);
    EcritReel("Corps", CorpsDefaut, CorpsProv);
    if (auto* zone = PREprochainLancement())
        zone->setHidden(true);
    EcritBooleen("OutilsGroupe", OutilsGroupe, OutilsGroupeProv);
    Ferme(PREdialogue());
    ns::Application::sharedApplication().stopModal();
}

void PREannuler(ns::Object*)
{
    Ferme(PREdialogue());
    PREinitDialogue();
    ns::Application::sharedApplication().stopModal();
}

void PREdefaut(ns::Object*)
{
    SonProv = true;
    Coche(PREson(), SonProv);
    OutilsGroupeProv = false;
    Coche(PREoutilGroupe(), OutilsGroupeProv);
    if (auto* zone = PREprochainLancement())
        zone->setHidden(OutilsGroupeProv == OutilsGroupe);
    for (const ValeurPrefs& v : kValeursPrefs) {
        *v.provisoire = ReelUsine(v.cle);
        AffichePoints(v.zone(), *v.provisoire);
    }
    for (const NombrePrefs& n : kNombresPrefs) {
        *n.provisoire = EntierUsine(n.cle);
        AfficheCompte(n.zone(), *n.provisoire);
    }
    CorpsProv = kCorpsUsine;
    AffichePoints(PREzoneCorps(), CorpsProv);
}

namespace {

const Action kActions[] = {
    {"PREnomsPolicesCBP:", PREnomsPolicesCBP},
    {"PREsonCBP:", PREsonCBP},
    {"PREoutilGroupeCBP:", PREoutilGroupeCBP},
    {"PREok:", PREok},
    {"PREannuler:", PREannuler},
    {"PREdefaut:", PREdefaut},
};

} // namespace

bool EstActionDesPreferences(std::string_view selecteur)
{
    return TrouveAction(kActions, selecteur) != nullptr || ValideChampPrefs(selecteur, false);
}

bool ActionDesPreferences(std::string_view selecteur, ns::Object* expediteur)
{
    return Execute(kActions, selecteur, expediteur) || ValideChampPrefs(selecteur, true);
}
