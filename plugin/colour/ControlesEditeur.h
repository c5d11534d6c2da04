// The colour editor's controls as tables: by channel (in the order of kCanaux: gray, red,
// green, blue, cyan, magenta, yellow, black) and by row (1 to 4, from the top).
#pragma once

#include "JeuxDeCouleurs.h"
#include "Prises.h"

struct ControlesCanal {
    const Prise<ns::TextField>& zone;
    const Prise<ns::Slider>& glissiere;
    const Prise<ns::View>& piste; // a GlissiereInterieurTableau
    int rangee;                   // 1 to 4
    const char* bulle;
};
extern const ControlesCanal kControlesCanaux[NombreCanaux];

struct ControlesRangee {
    const Prise<ns::View>& label; // a BoutonLabel
    const Prise<ns::TextField>& lettre;
    const Prise<ns::TextField>& pourCent;
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

// The panel's height on page `page` for its element's colour type; `autre` when the page or
// the type is none the panel has.
float HauteurPanneau(int32_t page, float autre);
