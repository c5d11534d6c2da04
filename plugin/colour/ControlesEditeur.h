// The colour editor's controls as tables: by channel (in the order of kCanaux: gray, red,
// green, blue, cyan, magenta, yellow, black) and by row (1 to 4, from the top).
#pragma once

#include "JeuxDeCouleurs.h"
#include "TableauDialogue.h"

struct ControlesCanal {
    ns::TextField* TableauDialogue::*zone;
    ns::Slider* TableauDialogue::*glissiere;
    GlissiereInterieurTableau* TableauDialogue::*piste;
    int rangee; // 1 to 4
    const char* bulle;
};
extern const ControlesCanal kControlesCanaux[NombreCanaux];

// The same controls as the mirrors hold them, for code outside the controller (the label
// buttons, the keyboard), and the selectors of each channel's field commit and slider move.
struct MiroirsCanal {
    ns::TextField** zone;
    ns::Slider** glissiere;
    ns::View** piste;
    const char* validation;
    const char* glissement;
};
extern const MiroirsCanal kMiroirsCanaux[NombreCanaux];

struct ControlesRangee {
    BoutonLabel* TableauDialogue::*label;
    ns::TextField* TableauDialogue::*lettre;
    ns::TextField* TableauDialogue::*pourCent;
};
constexpr int kNombreRangees = 4;
// Rows are this far apart, and on the text page all of them this much lower.
constexpr double kEcartRangees = 22;
extern const ControlesRangee kControlesRangees[kNombreRangees];

// A colour type as the editor lays it out: its channels (consecutive in kCanaux, one row
// each from the top), their letters, whether the rows show "%", and the panel's height on the
// rows, columns and frame pages and on the text page.
struct DispositionType {
    int premierCanal;
    int nombreCanaux;
    const char* lettres[kNombreRangees];
    bool pourCent;
    float hauteur;
    float hauteurTexte;
};
// By colour type: TypeGris, TypeRVB, TypeCMJN.
extern const DispositionType kDispositions[3];

// The panel's size: 240 wide (the help shows when it is 480), 100 high on the position and
// size page.
constexpr float kLargeurPanneau = 240;
constexpr float kHauteurPagePosition = 100;
// The panel's height on page `page` for its element's colour type; `autre` when the page or
// the type is none the panel has.
float HauteurPanneau(int32_t page, float autre);
