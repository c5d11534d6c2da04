// The formatters of the panel's fields: each writes its setting into its field.
#pragma once

#include "ComboBox.h"

// The point formatter ("3.2 pt"): used when the panel is initialised and by the Varo button.
void PANMiseAjourZoneEpaisseurLignes();
void PANMiseAjourZoneEpaisseurColonnes();
void PANMiseAjourZoneEpaisseurCadre();
void PANMiseAjourZoneEpaisseurCadreDeux();
void PANMiseAjourZoneGouttiereLignes();
void PANMiseAjourZoneGouttiereColonnes();
void PANMiseAjourZoneGouttiereCadre();
void PANmiseAjourZoneCorps();

// The gutters after a commit: the value and " pt".
void PANMiseAjourGouttiereLigne();
void PANMiseAjourGouttiereColonne();
void PANMiseAjourGouttiereCadre();

// Position and size after a commit: the setting holds the millimetres just read; the field
// shows them with " mm" and the setting is left in points.
void PANMiseAjourPositionX();
void PANMiseAjourPositionY();
void PANMiseAjourLongueurTableau();
void PANMiseAjourHauteurTableau();

// A value in points that has a stored default: its field, its formatter and its tooltip.
struct ValeurEnPoints {
    double* valeur;
    const double* defaut;
    void (*miseAJour)();
    ns::ComboBox** zone;
    const char* bulle;
};
// The four thicknesses (rows, columns, outer and inner frame) then the three gutters (rows,
// columns, frame).
extern const ValeurEnPoints kEpaisseursEtGouttieres[7];
// The value := its default, shown in its field.
void RemetAuDefaut(const ValeurEnPoints& v);
