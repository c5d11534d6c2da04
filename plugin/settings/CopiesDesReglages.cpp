#include "CopiesDesReglages.h"

#include "Reglages.h"

#include <cstring>

const TripleReglage<int32_t> kReglagesEntiers[NombreReglagesEntiers] = {
    {"NombreLignes", &NombreDeLignes, &NombreDeLignesProv, &NombreDeLignesDefaut, 3},
    {"NombreColonnes", &NombreDeColonnes, &NombreDeColonnesProv, &NombreDeColonnesDefaut, 4},
    {"NumPolice", &NumeroPolice, &NumeroPoliceProv, &NumeroPoliceDefaut, std::nullopt},
};

const TripleReglage<double> kReglagesReels[NombreReglagesReels] = {
    {"EpaisseurLignes", &EpaisseurLignes, &EpaisseurLignesProv, &EpaisseurLignesDefaut, 1},
    {"EpaisseurColonnes", &EpaisseurColonnes, &EpaisseurColonnesProv, &EpaisseurColonnesDefaut, 1},
    {"EpaisseurCadre", &EpaisseurCadre, &EpaisseurCadreProv, &EpaisseurCadreDefaut, 4},
    {"EpaisseurCadreDeux", &EpaisseurCadreDeux, &EpaisseurCadreDeuxProv, &EpaisseurCadreDeuxDefaut, 1},
    {"GouttiereLignes", &GouttiereLignes, &GouttiereLignesProv, &GouttiereLignesDefaut, 0},
    {"GouttiereColonnes", &GouttiereColonnes, &GouttiereColonnesProv, &GouttiereColonnesDefaut, 0},
    {"GouttiereCadre", &GouttiereCadre, &GouttiereCadreProv, &GouttiereCadreDefaut, 3.2},
    {"Corps", &Corps, &CorpsProv, &CorpsDefaut, 12},
};

namespace {

void CopieNom(char (&vers)[kLongueurNomPolice], const char (&depuis)[kLongueurNomPolice])
{
    std::memmove(vers, depuis, kLongueurNomPolice);
    vers[kLongueurNomPolice - 1] = '\0';
}

} // namespace

void CopieDefautsDansCourants()
{
    PourChaqueReglage([](const auto& reglage) { *reglage.courant = *reglage.defaut; });
}

void CopieDefautsDansProvisoires()
{
    PourChaqueReglage([](const auto& reglage) { *reglage.prov = *reglage.defaut; });
    CopieNom(NomPoliceProv, NomPoliceDefaut);
    SonProv = SonDefaut;
    OutilsGroupeProv = OutilsGroupe;
}

void ValeursUsineDansProvisoires()
{
    PourChaqueReglage([](const auto& reglage) {
        if (reglage.usine)
            *reglage.prov = *reglage.usine;
    });
    SonProv = true;
    OutilsGroupeProv = false;
}

void CopieProvisoiresDansDefauts()
{
    PourChaqueReglage([](const auto& reglage) { *reglage.defaut = *reglage.prov; });
    CopieNom(NomPoliceDefaut, NomPoliceProv);
    SonDefaut = SonProv;
    OutilsGroupe = OutilsGroupeProv;
}
