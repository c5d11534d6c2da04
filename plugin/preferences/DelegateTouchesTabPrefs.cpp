#include "DelegateTouchesTabPrefs.h"

#include "PasAPas.h"
#include "Reglages.h"

namespace {

const LitZone kCycle[] = {Zone<PREzoneNombreLignes>,   Zone<PREzoneEpaisseurLignes>,    Zone<PREzoneGouttiereLigne>,
                          Zone<PREzoneNombreColonnes>, Zone<PREzoneEpaisseurColonnes>,  Zone<PREzoneGouttiereColonne>,
                          Zone<PREzoneEpaisseurCadre>, Zone<PREzoneEpaisseurCadreDeux>, Zone<PREzoneGouttiereCadre>,
                          Zone<PREzoneCorps>};

using G = GenrePas;

// The bounds hold after every step, up or down: a count within what the stored defaults may
// hold, as its commit keeps it.
const std::vector<ChampPasAPas> kChampsPasAPas = {
    {Zone<PREzoneNombreLignes>, G::Compte, 10, 20, 1, kNombreMaxRangs, LitCompteStocke<NombreDeLignesProv>,
     EcritCompte<NombreDeLignesProv>, true},
    {Zone<PREzoneNombreColonnes>, G::Compte, 10, 20, 1, kNombreMaxRangs, LitCompteStocke<NombreDeColonnesProv>,
     EcritCompte<NombreDeColonnesProv>, true},
    {Zone<PREzoneEpaisseurLignes>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<EpaisseurLignesProv>,
     EcritPoints<EpaisseurLignesProv>, true},
    {Zone<PREzoneEpaisseurColonnes>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<EpaisseurColonnesProv>,
     EcritPoints<EpaisseurColonnesProv>, true},
    {Zone<PREzoneEpaisseurCadre>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<EpaisseurCadreProv>,
     EcritPoints<EpaisseurCadreProv>, true},
    {Zone<PREzoneEpaisseurCadreDeux>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<EpaisseurCadreDeuxProv>,
     EcritPoints<EpaisseurCadreDeuxProv>, true},
    {Zone<PREzoneGouttiereLigne>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<GouttiereLignesProv>,
     EcritPoints<GouttiereLignesProv>, true},
    {Zone<PREzoneGouttiereColonne>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<GouttiereColonnesProv>,
     EcritPoints<GouttiereColonnesProv>, true},
    {Zone<PREzoneGouttiereCadre>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<GouttiereCadreProv>,
     EcritPoints<GouttiereCadreProv>, true},
    {Zone<PREzoneCorps>, G::Points, 1, 10, kCorpsMinimum, kCorpsMaximum, LitPointsStockes<CorpsProv>,
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
