// The settings a table was built with, carried by the table itself in the dictionary of its
// group, so that a table drawn earlier, or in a drawing opened again, can be made current and
// edited. Every build writes them; choosing a table reads them back.
//
// The keys are those of the preference store where a stored default exists ("NombreLignes",
// "EpaisseurCadre", "TypeCouleursTexte", "GrisTexte" ...), and "PositionX", "PositionY",
// "Longueur", "Hauteur", "AvecSansCadre", "AvecSansTitre", "AvecSansTexte", "TitreTableau",
// "TexteCase", "Police" (the font's name) for the rest. "VaroTableau" marks a group that
// carries them, and holds the version of their form.
#pragma once

#include "JeuxDeCouleurs.h"
#include "Reglages.h"

#include <string>

struct ReglagesTableau {
    double PositionX = 0, PositionY = 0, Longueur = 0, Hauteur = 0;
    int32_t NombreDeLignes = 0, NombreDeColonnes = 0;
    double EpaisseurLignes = 0, EpaisseurColonnes = 0, EpaisseurCadre = 0, EpaisseurCadreDeux = 0;
    double GouttiereLignes = 0, GouttiereColonnes = 0, GouttiereCadre = 0;
    double Corps = 0;
    int32_t NumeroPolice = 0;
    std::string Police; // the name of the font the texts were drawn in
    bool AvecSansCadre = false, AvecSansTitre = false, AvecSansTexte = false;
    std::string Titre, Texte;
    JeuCouleurs Couleurs[NombreElements]{};
};

// The form the settings are written in.
constexpr int32_t kVersionReglagesTableau = 1;

// The settings as they are now: the current values, switches, texts and colour sets.
ReglagesTableau ReglagesCourants();
// They become the current settings. The font is found by its name in the host's font list,
// else by its number.
void AppliqueReglages(const ReglagesTableau& reglages);

// Writes them into the group's dictionary: the status of the first host call that failed.
ASErr EcritReglagesDuTableau(AIArtHandle groupe, const ReglagesTableau& reglages);
// Whether the group is live art that carries settings.
bool PorteDesReglages(AIArtHandle groupe);
// Reads them from the group's dictionary into `reglages`: false, nothing read, when the group
// carries none. A value missing, of another kind or outside what the plug-in could have written
// is its factory value, and (unless `muet`) the plug-in says so on standard error.
bool LitReglagesDuTableau(AIArtHandle groupe, ReglagesTableau& reglages, bool muet = false);
