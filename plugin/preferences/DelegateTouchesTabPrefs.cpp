#include "DelegateTouchesTabPrefs.h"

#include "PasAPas.h"
#include "Reglages.h"

namespace {

const LitZone kCycle[] = {Zone<GpreZoneNombreLignes>,     Zone<GpreZoneEpaisseurLignes>,    Zone<GpreZoneGouttiereLigne>,
                          Zone<GpreZoneNombreColonnes>,   Zone<GpreZoneEpaisseurColonnes>,  Zone<GpreZoneGouttiereColonne>,
                          Zone<GpreZoneEpaisseurCadre>,   Zone<GpreZoneEpaisseurCadreDeux>, Zone<GpreZoneGouttiereCadre>,
                          Zone<GpreZoneCorps>};

template <int32_t& Provisoire>
void EcritCompte(double valeur)
{
    Provisoire = EntierSature(valeur);
}

template <double& Provisoire>
void EcritPoints(double valeur)
{
    Provisoire = valeur;
}

constexpr Pas kUn{1, Lecture::Flottante}, kDeux{2, Lecture::Flottante}, kDixieme{0.1, Lecture::Decimale};

// No upper limit: the dialog takes any default a table can be drawn with. The floor holds
// after every step, up or down.
const std::vector<ChampPasAPas> kChampsPasAPas = {
    {Zone<GpreZoneNombreLignes>, kUn, kDeux, 1, kSansLimite, "", EcritCompte<NombreDeLignesProv>, true},
    {Zone<GpreZoneNombreColonnes>, kUn, kDeux, 1, kSansLimite, "", EcritCompte<NombreDeColonnesProv>, true},
    {Zone<GpreZoneEpaisseurLignes>, kDixieme, kUn, 0, kSansLimite, " pt", EcritPoints<EpaisseurLignesProv>, true},
    {Zone<GpreZoneEpaisseurColonnes>, kDixieme, kUn, 0, kSansLimite, " pt", EcritPoints<EpaisseurColonnesProv>, true},
    {Zone<GpreZoneEpaisseurCadre>, kDixieme, kUn, 0, kSansLimite, " pt", EcritPoints<EpaisseurCadreProv>, true},
    {Zone<GpreZoneEpaisseurCadreDeux>, kDixieme, kUn, 0, kSansLimite, " pt", EcritPoints<EpaisseurCadreDeuxProv>, true},
    {Zone<GpreZoneGouttiereLigne>, kDixieme, kUn, 0, kSansLimite, " pt", EcritPoints<GouttiereLignesProv>, true},
    {Zone<GpreZoneGouttiereColonne>, kDixieme, kUn, 0, kSansLimite, " pt", EcritPoints<GouttiereColonnesProv>, true},
    {Zone<GpreZoneGouttiereCadre>, kDixieme, kUn, 0, kSansLimite, " pt", EcritPoints<GouttiereCadreProv>, true},
    {Zone<GpreZoneCorps>, kDixieme, kUn, 0.1, kSansLimite, " pt", EcritPoints<CorpsProv>, true},
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
