#include "DelegateTouchesTabPrefs.h"

#include "PasAPas.h"
#include "Reglages.h"

namespace {

const LitZone kCycle[] = {Zone<GpreZoneNombreLignes>,     Zone<GpreZoneEpaisseurLignes>,    Zone<GpreZoneGouttiereLigne>,
                          Zone<GpreZoneNombreColonnes>,   Zone<GpreZoneEpaisseurColonnes>,  Zone<GpreZoneGouttiereColonne>,
                          Zone<GpreZoneEpaisseurCadre>,   Zone<GpreZoneEpaisseurCadreDeux>, Zone<GpreZoneGouttiereCadre>,
                          Zone<GpreZoneCorps>};

using G = GenrePas;

// The bounds hold after every step, up or down: a count within what the stored defaults may
// hold, as its commit keeps it.
const std::vector<ChampPasAPas> kChampsPasAPas = {
    {Zone<GpreZoneNombreLignes>, G::Compte, 10, 20, 1, kNombreMaxRangs, LitCompteStocke<NombreDeLignesProv>,
     EcritCompte<NombreDeLignesProv>, true},
    {Zone<GpreZoneNombreColonnes>, G::Compte, 10, 20, 1, kNombreMaxRangs, LitCompteStocke<NombreDeColonnesProv>,
     EcritCompte<NombreDeColonnesProv>, true},
    {Zone<GpreZoneEpaisseurLignes>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<EpaisseurLignesProv>,
     EcritPoints<EpaisseurLignesProv>, true},
    {Zone<GpreZoneEpaisseurColonnes>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<EpaisseurColonnesProv>,
     EcritPoints<EpaisseurColonnesProv>, true},
    {Zone<GpreZoneEpaisseurCadre>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<EpaisseurCadreProv>,
     EcritPoints<EpaisseurCadreProv>, true},
    {Zone<GpreZoneEpaisseurCadreDeux>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<EpaisseurCadreDeuxProv>,
     EcritPoints<EpaisseurCadreDeuxProv>, true},
    {Zone<GpreZoneGouttiereLigne>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<GouttiereLignesProv>,
     EcritPoints<GouttiereLignesProv>, true},
    {Zone<GpreZoneGouttiereColonne>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<GouttiereColonnesProv>,
     EcritPoints<GouttiereColonnesProv>, true},
    {Zone<GpreZoneGouttiereCadre>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<GouttiereCadreProv>,
     EcritPoints<GouttiereCadreProv>, true},
    {Zone<GpreZoneCorps>, G::Points, 1, 10, kCorpsMinimum, kCorpsMaximum, LitPointsStockes<CorpsProv>,
     EcritPoints<CorpsProv>, true},
};

} // namespace

bool DelegateTouchesTabPrefs::controlTextViewDoCommandBySelector(ns::Control& controle, ns::TextView&,
                                                                 std::string_view commande)
{
    return CommandeDeChamp(commande, controle, kChampsPasAPas, [&](bool enAvant) {
        std::vector<ns::TextField*> cycle;
        for (const LitZone zone : kCycle)
            cycle.push_back(zone());
        ChangeDeChamp(cycle, true, controle, enAvant);
    });
}
