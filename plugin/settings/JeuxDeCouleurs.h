// The four elements' colour sets: a colour type and eight components kept whatever the type,
// so that switching the type back shows the components as they were.
#pragma once

#include "sdk/AIPathStyle.h"

#include <cstdint>

enum Element : int { ElementLignes = 0, ElementColonnes, ElementCadre, ElementTexte, NombreElements };

// Colour types.
enum : int32_t { TypeGris = 0, TypeRVB = 1, TypeCMJN = 2 };

struct JeuCouleurs {
    int32_t TypeCouleur; // TypeGris, TypeRVB or TypeCMJN
    double Gris;         // 0 to 100, percent of ink
    double Rouge, Vert, Bleu;            // 0 to 255
    double Cyan, Magenta, Jaune, Noir;   // 0 to 100, percent
};

// By element: the rows' set is the rows' colour type and channels (TypeCouleurLignes,
// GrisLignes ... NoirLignes; stored as "TypeCouleursLignes", "GrisLignes" ... "NoirLignes"),
// then the columns', the frame's and the text's.
extern JeuCouleurs JeuxCouleurs[NombreElements];

// One row per element: its name suffix ("Lignes" ...) and its style record (none for text).
struct DescriptionElement {
    const char* suffixe;
    AIPathStyle* style;
};
extern const DescriptionElement kElements[NombreElements];

// One row per component, in stored order: its name ("Gris" ...), where it lies in a set, its
// upper bound (the lower is 0) and its factory value.
struct Canal {
    const char* nom;
    double JeuCouleurs::*champ;
    double maximum;
    double usine;
};
constexpr int NombreCanaux = 8;
extern const Canal kCanaux[NombreCanaux];

// The colour a set stands for, as the host holds colours. False, and `couleur` untouched,
// for a type that is none of the three.
bool CouleurDuJeu(const JeuCouleurs& jeu, AIColor& couleur);

// Copy the element's colour set into its style record's stroke colour. Always 0; a type
// other than gray, RGB or CMYK leaves the record as it was.
int32_t MiseAJourDuStyleDesLignes();
int32_t MiseAJourDuStyleDesColonnes();
int32_t MiseAJourDuStyleDuCadre();

// The three style records as the panel sets them up: StyleLignes from the host's current
// path style, coloured, stroke on, butt caps, miter limit 10, fill off (dash, join and the
// rest as the host gave them); StyleColonnes and StyleCadre copies of it, each with its own
// colour. The status of the host's answer; the records are left as they were when it fails.
ASErr InitialiseLesStyles();
