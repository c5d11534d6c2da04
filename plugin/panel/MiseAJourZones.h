// The formatters of the panel's fields: each writes its setting into its field.
#pragma once

#include "Prises.h"

// The point formatter ("3.2 pt"): used when the panel is initialised and by the Varo button.
void PANMiseAjourZoneEpaisseurLignes();
void PANMiseAjourZoneEpaisseurColonnes();
void PANMiseAjourZoneEpaisseurCadre();
void PANMiseAjourZoneEpaisseurCadreDeux();
void PANMiseAjourZoneGouttiereLignes();
void PANMiseAjourZoneGouttiereColonnes();
void PANMiseAjourZoneGouttiereCadre();
void PANmiseAjourZoneCorps();

// A value in points that has a stored default: its field, its formatter and its tooltip.
struct ValeurEnPoints {
    double* valeur;
    const double* defaut;
    void (*miseAJour)();
    const Prise<ns::ComboBox>& zone;
    const char* bulle;
};
// The four thicknesses (rows, columns, outer and inner frame) then the three gutters (rows,
// columns, frame).
extern const ValeurEnPoints kEpaisseursEtGouttieres[7];
// The value := its default, shown in its field.
void RemetAuDefaut(const ValeurEnPoints& v);
