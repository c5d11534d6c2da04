// The buttons of the panel's top bar: Varo puts the stored defaults back into the table being
// made (its colours, switches, texts, position and size kept); Web opens the maker's site.
#include "APropos.h"
#include "ListePolices.h"
#include "MiseAJourZones.h"
#include "Reglages.h"
#include "SimuleAppuiTouche.h"
#include "TableauDialogue.h"

#include "Workspace.h"

#include <string>

void TableauDialogue::PANvaroCBP(ns::Object*)
{
    for (const ValeurEnPoints& v : kEpaisseursEtGouttieres)
        RemetAuDefaut(v);
    if (PANzoneEpaisseurCadreDeux != nullptr)
        PANzoneEpaisseurCadreDeux->setEnabled(GouttiereCadre > 0);
    NombreDeLignes = NombreDeLignesDefaut;
    NombreDeColonnes = NombreDeColonnesDefaut;
    if (PANzoneNbrLignes != nullptr)
        PANzoneNbrLignes->setStringValue(std::to_string(NombreDeLignes));
    if (PANzoneNbrColonnes != nullptr)
        PANzoneNbrColonnes->setStringValue(std::to_string(NombreDeColonnes));
    NumeroPolice = NumeroPoliceDefaut;
    SelectionnePolice(PANlistePolices, NumeroPolice);
    Corps = CorpsDefaut;
    PANmiseAjourZoneCorps();
    SimuleAppuiToucheFn();
}

void TableauDialogue::PANurlCBP(ns::Object*)
{
    // Whether a browser opened is not the panel's to know.
    (void)ns::Workspace::sharedWorkspace().openURL(kAdresseSiteVaro);
}
