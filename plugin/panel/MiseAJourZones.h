// The point formatters of the panel's thickness, gutter and type-size fields: each writes its
// setting into its field ("3.2 pt"). Used when the panel is initialised and by the Varo
// button.
#pragma once

void PANMiseAjourZoneEpaisseurLignes();
void PANMiseAjourZoneEpaisseurColonnes();
void PANMiseAjourZoneEpaisseurCadre();
void PANMiseAjourZoneEpaisseurCadreDeux();
void PANMiseAjourZoneGouttiereLignes();
void PANMiseAjourZoneGouttiereColonnes();
void PANMiseAjourZoneGouttiereCadre();
void PANmiseAjourZoneCorps();
