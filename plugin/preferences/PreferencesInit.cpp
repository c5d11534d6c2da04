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
    if (PREdialogue() != nullptr)
        PREdialogue()->setTitle("Preferences (Varo-Table).");

    RemplitListePolices(PRElistePolices());
    NumeroPoliceProv = NumeroPoliceDefaut;
    std::memcpy(NomPoliceProv, NomPoliceDefaut, sizeof NomPoliceProv);
    if (PRElistePolices() != nullptr)
        PRElistePolices()->selectItemAtIndex(NumeroPoliceProv);

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
    if (PREson() != nullptr) {
        PREson()->setToolTip("Enable/Disable the sound of Varo-Table.");
        PREson()->setState(SonProv ? ns::OnState : ns::OffState);
    }
    OutilsGroupeProv = OutilsGroupe;
    if (PREoutilGroupe() != nullptr) {
        PREoutilGroupe()->setTitle("Associated with the eyedropper tool.");
        PREoutilGroupe()->setToolTip("Independent tool or associated with the eyedropper tool.");
        PREoutilGroupe()->setState(OutilsGroupeProv ? ns::OnState : ns::OffState);
    }
    if (PREprochainLancement() != nullptr) {
        PREprochainLancement()->setHidden(true);
        PREprochainLancement()->setStringValue("The next time Illustrator will be launched.");
    }
    if (PREannulerBT() != nullptr) {
        PREannulerBT()->setTitle("Cancel");
        PREannulerBT()->setToolTip("No modification (Esc).");
    }
    if (PREdefautBT() != nullptr) {
        PREdefautBT()->setTitle("By default");
        PREdefautBT()->setToolTip("Back to the default settings (cmd D).");
    }
    if (PREzoneNombreLignes() != nullptr)
        PREzoneNombreLignes()->selectText(nullptr);
    if (PREokBT() != nullptr) {
        PREokBT()->setEnabled(true);
        PREokBT()->setToolTip("Validation of the new default settings (Return).");
    }
}
