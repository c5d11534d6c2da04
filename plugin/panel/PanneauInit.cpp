// The panel's first state, in the order the controller's waking needs it: the page pop-up, the
// colour editor, the controls enabled for page 0, then every field from the stored defaults.
// Position and size are not touched: their fields keep the interface file's text until a
// table is drawn.
#include "ActiverZones.h"
#include "BoutonReveilTableau.h"
#include "Bulle.h"
#include "ControlesEditeur.h"
#include "CouleursPanneau.h"
#include "DessinCorpsTableau.h"
#include "EditeurCouleurs.h"
#include "FormatNombres.h"
#include "JeuxDeCouleurs.h"
#include "ListePolices.h"
#include "MiseAJourZones.h"
#include "Prises.h"
#include "OptionsTexte.h"
#include "PagesAide.h"
#include "Reglages.h"
#include "Panneau.h"

#include <cstdio>
#include <string>

namespace {

// A current value set from its default, its field refreshed and given its tooltip.
void AppliqueDefaut(const ValeurEnPoints& v)
{
    RemetAuDefaut(v);
    Bulle(v.zone(), v.bulle);
}

// A switch, its check box and its label, set on.
struct Interrupteur {
    bool* reglage;
    const Prise<ns::Button>& caseACocher;
    const Prise<ns::TextField>& libelle;
    const char* avec;
    const char* sans;
    const char* bulle;
};

} // namespace

void PANinit()
{
    if (auto* popup = PANpopupPosLigColCad()) {
        popup->removeAllItems();
        int index = 0;
        for (const char* page : {"Position & size", "Rows", "Columns", "Frame", "Text"})
            popup->insertItemWithTitle(page, index++);
    }

    COUinitEditeur();
    AppliqueCouleursTheme();
    for (const ControlesRangee& r : kControlesRangees)
        if (ns::TextField* lettre = r.lettre())
            lettre->setHidden(true);

    IndexPopup = 0;
    ActiverZones(true);

    // The four thicknesses, then the type size.
    for (int i = 0; i < 4; ++i)
        AppliqueDefaut(kEpaisseursEtGouttieres[i]);
    AppliqueDefaut({&Corps, &CorpsDefaut, PANmiseAjourZoneCorps, PANzoneCorps, "Size of the text."});
    Bulle(PANdessinCorpsTableauNSView(), "Size of the text.");

    RemplitListePolices(PANlistePolices());
    NumeroPolice = NumeroPoliceDefaut;
    SelectionnePolice(PANlistePolices(), NumeroPolice);

    const Interrupteur interrupteurs[] = {
        {&AvecSansCadre, PANavecSansCadre, PANavecSansCadreTexte, "With frame", "Without frame",
         "With or without frame."},
        {&AvecSansTitre, PANavecSansTitre, PANavecSansTitreTexte, "With title", "Without title",
         "Tableau with or without title."},
        {&AvecSansTexte, PANavecSansTexte, PANavecSansTexteTexte, "With Text", "Without Text",
         "Table with or without text."},
    };
    for (const Interrupteur& i : interrupteurs) {
        *i.reglage = true;
        if (ns::Button* caseACocher = i.caseACocher()) {
            caseACocher->setToolTip(i.bulle);
            caseACocher->setState(*i.reglage ? ns::OnState : ns::OffState);
        }
        if (ns::TextField* libelle = i.libelle()) {
            libelle->setStringValue(*i.reglage ? i.avec : i.sans);
            libelle->setToolTip(i.bulle);
        }
    }
    if (auto* zone = PANnomTitre()) {
        zone->setEnabled(AvecSansTitre);
        zone->setStringValue("Title of the table");
    }
    if (auto* zone = PANnomTexte()) {
        zone->setEnabled(AvecSansTexte);
        zone->setStringValue("Text");
    }
    CopieTexteTableau(TitreTableau, "Title of the table");
    CopieTexteTableau(TexteCase, "Text");

    InitialiseLesStyles();

    if (auto* vue = BoutonReveilTableauNSView())
        vue->setFrame(ns::MakeRect(BoutonReveilTableau::kXCouvrant, 127, 480, 197));

    NombreDeLignes = NombreDeLignesDefaut;
    NombreDeColonnes = NombreDeColonnesDefaut;
    AfficheCompte(PANzoneNbrLignes(), NombreDeLignes);
    AfficheCompte(PANzoneNbrColonnes(), NombreDeColonnes);
    // The three gutters.
    for (int i = 4; i < 7; ++i)
        AppliqueDefaut(kEpaisseursEtGouttieres[i]);

    Bulle(PANvaroBT(), "Back to the default values of the preferences.");
    Bulle(PANurlBT(), "The Varo-Tools web site.");
    Bulle(PANzonePositionX(), "X position of the table.");
    Bulle(PANzonePositionY(), "Y position of the table.");
    Bulle(PANzoneHauteurTableau(), "Height of the table.");
    Bulle(PANzoneNbrLignes(), "Number of rows.");
    Bulle(PANzoneNbrColonnes(), "Number of columns.");

    PageAide = 1;
    NbrPages = 10;
    if (auto* bouton = PANaidePageAvant())
        bouton->setEnabled(false);
    if (auto* texte = PANaide()) {
        texte->setFrameSize({216, texte->frame().size.height});
        texte->setAlignment(ns::TextAlignment::Left);
    }
    TexteAide(PANaide(), PANnumeroPage());
}
