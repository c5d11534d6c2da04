#include "BoutonIcone.h"

const MembreIcone kFamilleIcones[13] = {
    {"BoutonNbrLigPrefs"},
    {"BoutonNbrColPrefs"},
    {"BoutonEpaisseurLignesPrefs"},
    {"BoutonEpaisseurColonnesPrefs"},
    {"BoutonGouttiereLignesPrefs"},
    {"BoutonGouttiereColonnesPrefs"},
    {"BoutonCadrePrefs"},
    {"BoutonCadreDeuxPrefs"},
    {"BoutonGouttiereCadrePrefs"},
    {"BoutonPosXNbrLigNbrCol"},
    {"BoutonEpaisseurLigColCad"},
    {"BoutonGouttiereLigColCad"},
    {"BoutonHauteurCadreDeux"},
};
