// The preferences dialog loaded from the defaults: each provisional value set from its
// default and shown in its field. Run once when the panel's controller wakes.
#include "BoutonIcone.h"
#include "Bulle.h"
#include "FormatNombres.h"
#include "ListePolices.h"
#include "Reglages.h"
#include "DialoguePreferences.h"
#include "ValeursPrefs.h"

#include <cstring>
#include <string>

void PREinitDialogue()
{
    if (auto* fenetre = PREdialogue())
        fenetre->setTitle("Preferences (Varo-Table).");

    RemplitListePolices(PRElistePolices());
    NumeroPoliceProv = NumeroPoliceDefaut;
    std::memcpy(NomPoliceProv, NomPoliceDefaut, sizeof NomPoliceProv);
    if (auto* popup = PRElistePolices())
        popup->selectItemAtIndex(NumeroPoliceProv);

    CorpsProv = CorpsDefaut;
    AffichePoints(PREzoneCorps(), CorpsProv);
    Bulle(PREzoneCorps(), "Size of the text.");

    for (const ValeurPrefs& v : kValeursPrefs) {
        *v.provisoire = *v.defaut;
        AffichePoints(v.zone(), *v.provisoire);
        Bulle(v.zone(), v.bulle);
        Bulle(v.icone(), v.bulle);
    }
    for (const NombrePrefs& n : kNombresPrefs) {
        *n.provisoire = *n.defaut;
        AfficheCompte(n.zone(), *n.provisoire);
        Bulle(n.zone(), n.bulle);
        Bulle(n.icone(), n.bulle);
    }

    SonProv = SonDefaut;
    if (auto* bouton = PREson()) {
        bouton->setToolTip("Enable/Disable the sound of Varo-Table.");
        bouton->setState(SonProv ? ns::OnState : ns::OffState);
    }
    OutilsGroupeProv = OutilsGroupe;
    if (auto* bouton = PREoutilGroupe()) {
        bouton->setTitle("Associated with the eyedropper tool.");
        bouton->setToolTip("Independent tool or associated with the eyedropper tool.");
        bouton->setState(OutilsGroupeProv ? ns::OnState : ns::OffState);
    }
    if (auto* zone = PREprochainLancement()) {
        zone->setHidden(true);
        zone->setStringValue("The next time Illustrator will be launched.");
    }
    if (auto* bouton = PREannulerBT()) {
        bouton->setTitle("Cancel");
        bouton->setToolTip("No modification (Esc).");
    }
    if (auto* bouton = PREdefautBT()) {
        bouton->setTitle("By default");
        bouton->setToolTip("Back to the default settings (cmd D).");
    }
    if (auto* zone = PREzoneNombreLignes())
        zone->selectText(nullptr);
    if (auto* bouton = PREokBT()) {
        bouton->setEnabled(true);
        bouton->setToolTip("Validation of the new default settings (Return).");
    }
}
