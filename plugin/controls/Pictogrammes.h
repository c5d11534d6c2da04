// The icon buttons' pictograms, as data: each a list of strokes and fills, each in a role of
// the palette. The measured element or dimension is the highlight (lines 2 points wide, or 1
// for the marks at a dimension's ends); the rest of the table is the structure (lines 1 point
// wide, or filled bars); guides and the other frame are secondary. Only the arrowheads of the
// position and size pictograms are drawn with antialiasing. Coordinates in the view's own
// space, y upward.
#pragma once

#include "Color.h"

enum class Pictogramme {
    Aucun,
    NombreLignes,
    NombreColonnes,
    TraitLignes,
    TraitColonnes,
    EcartLignes,
    EcartColonnes,
    CadreExterieur,
    CadreInterieur,
    EcartCadre,
    Abscisse,
    Ordonnee,
    Longueur,
    Hauteur,
};

// The three colours a pictogram is drawn in, alpha included.
struct Palette {
    ns::Color accent, structure, secondaire;
};

// The preferences' icons: light, never dimmed. The panel's: light or dark with the host's
// interface, at half opacity while the Table Tool is not the current tool.
Palette PaletteDesPreferences();
Palette PaletteDuPanneau(bool sombre, bool outilCourant);

// Draws the pictogram in the current context, its state saved and restored around it.
void DessinePictogramme(Pictogramme pictogramme, const Palette& palette);
