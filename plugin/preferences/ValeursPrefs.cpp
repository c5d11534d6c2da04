#include "ValeursPrefs.h"

#include "Reglages.h"

const ValeurPrefs kValeursPrefs[7] = {
    {"EpaisseurLignes", "PREepaisseurLignesCBP:", &EpaisseurLignesProv, &EpaisseurLignesDefaut,
     &TableauDialogue::PREzoneEpaisseurLignes, &TableauDialogue::PREepaisseurLignesNSView,
     "Thickness of lines by default.", false},
    {"EpaisseurColonnes", "PREepaisseurColonnesCBP:", &EpaisseurColonnesProv, &EpaisseurColonnesDefaut,
     &TableauDialogue::PREzoneEpaisseurColonnes, &TableauDialogue::PREepaisseurColonnesNSView,
     "Thickness of columns by default.", false},
    {"EpaisseurCadre", "PREepaisseurCadreCBP:", &EpaisseurCadreProv, &EpaisseurCadreDefaut,
     &TableauDialogue::PREzoneEpaisseurCadre, &TableauDialogue::PREepaisseurCadreNSView,
     "Thickness of the outer frame by default.", false},
    {"EpaisseurCadreDeux", "PREepaisseurCadreDeuxCBP:", &EpaisseurCadreDeuxProv, &EpaisseurCadreDeuxDefaut,
     &TableauDialogue::PREzoneEpaisseurCadreDeux, &TableauDialogue::PREepaisseurCadreDeuxNSView,
     "Thickness of the inner frame by default.", false},
    {"GouttiereLignes", "PREzoneGouttiereLigneCBP:", &GouttiereLignesProv, &GouttiereLignesDefaut,
     &TableauDialogue::PREzoneGouttiereLigne, &TableauDialogue::PREgouttiereLignesNSView,
     "Gutter of the lines by default.", true},
    {"GouttiereColonnes", "PREzoneGouttiereColonneCBP:", &GouttiereColonnesProv, &GouttiereColonnesDefaut,
     &TableauDialogue::PREzoneGouttiereColonne, &TableauDialogue::PREgouttiereColonnesNSView,
     "Gutter of the columns by default.", true},
    {"GouttiereCadre", "PREzoneGouttiereCadreCBP:", &GouttiereCadreProv, &GouttiereCadreDefaut,
     &TableauDialogue::PREzoneGouttiereCadre, &TableauDialogue::PREgouttiereCadreNSView,
     "Gutter of the frame by default.", true},
};

const NombrePrefs kNombresPrefs[2] = {
    {"NombreLignes", "PREnombreLignesCBP:", &NombreDeLignesProv, &NombreDeLignesDefaut,
     &TableauDialogue::PREzoneNombreLignes, &TableauDialogue::PREnbrLignesNSView, "Default number of rows."},
    {"NombreColonnes", "PREnombreColonnesCBP:", &NombreDeColonnesProv, &NombreDeColonnesDefaut,
     &TableauDialogue::PREzoneNombreColonnes, &TableauDialogue::PREnbrColonnesNSView, "Default number of columns."},
};
