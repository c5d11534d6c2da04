// The whole panel showing the current settings, when they change other than through the panel:
// another table made current, or an undo that put a table's settings back.
#include "ActiverZones.h"
#include "DessinCorpsTableau.h"
#include "DessinCouleurs.h"
#include "FormatNombres.h"
#include "JeuxDeCouleurs.h"
#include "ListePolices.h"
#include "MiseAJourZones.h"
#include "Panneau.h"
#include "Prises.h"
#include "Reglages.h"
#include "TextesGardes.h"

#include <cstring>

namespace {

// A switch's check box and its label.
struct Interrupteur {
    const bool* reglage;
    const Prise<ns::Button>& caseACocher;
    const Prise<ns::TextField>& libelle;
    const char* avec;
    const char* sans;
};

} // namespace

void AfficheReglagesCourants()
{
    AfficheMillimetres(PANzonePositionX(), PositionX);
    AfficheMillimetres(PANzonePositionY(), PositionY);
    AfficheMillimetres(PANzoneLongueurTableau(), LongueurTableau);
    AfficheMillimetres(PANzoneHauteurTableau(), HauteurTableau);
    AfficheCompte(PANzoneNbrLignes(), NombreDeLignes);
    AfficheCompte(PANzoneNbrColonnes(), NombreDeColonnes);
    for (const ValeurEnPoints& v : kEpaisseursEtGouttieres)
        v.miseAJour();
    PANmiseAjourZoneCorps();
    SelectionnePolice(PANlistePolices(), NumeroPolice);

    const Interrupteur interrupteurs[] = {
        {&AvecSansCadre, PANavecSansCadre, PANavecSansCadreTexte, "With frame", "Without frame"},
        {&AvecSansTitre, PANavecSansTitre, PANavecSansTitreTexte, "With title", "Without title"},
        {&AvecSansTexte, PANavecSansTexte, PANavecSansTexteTexte, "With Text", "Without Text"},
    };
    for (const Interrupteur& i : interrupteurs) {
        if (ns::Button* caseACocher = i.caseACocher())
            caseACocher->setState(*i.reglage ? ns::OnState : ns::OffState);
        if (ns::TextField* libelle = i.libelle())
            libelle->setStringValue(*i.reglage ? i.avec : i.sans);
    }
    if (ns::TextField* zone = PANnomTitre()) {
        const std::optional<std::string>& garde = TitreGarde();
        zone->setStringValue(garde ? *garde : std::string(TitreTableau, strnlen(TitreTableau, sizeof TitreTableau)));
    }
    if (ns::TextField* zone = PANnomTexte())
        zone->setStringValue(std::string(TexteCase, strnlen(TexteCase, sizeof TexteCase)));

    ActiverZones(OutilSelectionne);
    AffichePageCourante();
    for (ns::View* vue : {static_cast<ns::View*>(PANdessinCouleursNSView()),
                          static_cast<ns::View*>(PANdessinCorpsTableauNSView())})
        if (vue != nullptr)
            vue->display();
}
