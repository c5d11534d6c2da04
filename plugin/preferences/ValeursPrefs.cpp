#include "ValeursPrefs.h"

#include "Reglages.h"

const ValeurPrefs kValeursPrefs[7] = {
    {"EpaisseurLignes", "PREepaisseurLignesCBP:", &EpaisseurLignesProv, &EpaisseurLignesDefaut, PREzoneEpaisseurLignes,
     PREepaisseurLignesNSView, "Thickness of lines by default.", false},
    {"EpaisseurColonnes", "PREepaisseurColonnesCBP:", &EpaisseurColonnesProv, &EpaisseurColonnesDefaut,
     PREzoneEpaisseurColonnes, PREepaisseurColonnesNSView, "Thickness of columns by default.", false},
    {"EpaisseurCadre", "PREepaisseurCadreCBP:", &EpaisseurCadreProv, &EpaisseurCadreDefaut, PREzoneEpaisseurCadre,
     PREepaisseurCadreNSView, "Thickness of the outer frame by default.", false},
    {"EpaisseurCadreDeux", "PREepaisseurCadreDeuxCBP:", &EpaisseurCadreDeuxProv, &EpaisseurCadreDeuxDefaut,
     PREzoneEpaisseurCadreDeux, PREepaisseurCadreDeuxNSView, "Thickness of the inner frame by default.", false},
    {"GouttiereLignes", "PREzoneGouttiereLigneCBP:", &GouttiereLignesProv, &GouttiereLignesDefaut,
     PREzoneGouttiereLigne, PREgouttiereLignesNSView, "Gutter of the lines by default.", true},
    {"GouttiereColonnes", "PREzoneGouttiereColonneCBP:", &GouttiereColonnesProv, &GouttiereColonnesDefaut,
     PREzoneGouttiereColonne, PREgouttiereColonnesNSView, "Gutter of the columns by default.", true},
    {"GouttiereCadre", "PREzoneGouttiereCadreCBP:", &GouttiereCadreProv, &GouttiereCadreDefaut, PREzoneGouttiereCadre,
     PREgouttiereCadreNSView, "Gutter of the frame by default.", true},
};

const NombrePrefs kNombresPrefs[2] = {
    {"NombreLignes", "PREnombreLignesCBP:", &NombreDeLignesProv, &NombreDeLignesDefaut, PREzoneNombreLignes,
     PREnbrLignesNSView, "Default number of rows."},
    {"NombreColonnes", "PREnombreColonnesCBP:", &NombreDeColonnesProv, &NombreDeColonnesDefaut, PREzoneNombreColonnes,
     PREnbrColonnesNSView, "Default number of columns."},
};
