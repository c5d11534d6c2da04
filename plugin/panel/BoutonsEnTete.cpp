// The buttons of the panel's top bar: Varo puts the stored defaults back into the table being
// made (its colours, switches, texts, position and size kept); Web opens the maker's site.
#include "APropos.h"
#include "ActiverZones.h"
#include "FormatNombres.h"
#include "ListePolices.h"
#include "MiseAJourZones.h"
#include "Reglages.h"
#include "SimuleAppuiTouche.h"
#include "Panneau.h"

#include "Workspace.h"

void PANvaroCBP(ns::Object*)
{
    for (const ValeurEnPoints& v : kEpaisseursEtGouttieres)
        RemetAuDefaut(v);
    ActiveSelonLesOptions(OutilSelectionne);
    NombreDeLignes = NombreDeLignesDefaut;
    NombreDeColonnes = NombreDeColonnesDefaut;
    AfficheCompte(PANzoneNbrLignes(), NombreDeLignes);
    AfficheCompte(PANzoneNbrColonnes(), NombreDeColonnes);
    NumeroPolice = NumeroPoliceDefaut;
    SelectionnePolice(PANlistePolices(), NumeroPolice);
    // A default size no text can be drawn at (one never stored is 0) would empty the table's
    // texts: the size they have stays.
    if (CorpsDefaut >= kCorpsMinimum && CorpsDefaut <= kCorpsMaximum)
        Corps = CorpsDefaut;
    PANmiseAjourZoneCorps();
    SimuleAppuiToucheFn();
}

void PANurlCBP(ns::Object*)
{
    // Whether a browser opened is not the panel's to know.
    (void)ns::Workspace::sharedWorkspace().openURL(kAdresseSiteVaro);
}
