// Where the table's rules, frame pieces and text anchors go, computed from the settings
// alone, without the host. The construction hands these shapes to the host; the tests read
// them directly.
//
// The shapes and anchors of an element go into a list the caller gives: its content is
// replaced and its room kept, so that a rebuild reuses the room of the one before rather than
// ask for it again. Every function answers false ("nothing", the list's content then
// unspecified) when its element cannot be drawn sensibly: a cell width or height that is zero,
// negative or not finite where the element needs it, a length that is not finite, a coordinate
// that would not be finite as a 32-bit float, or more than kMaxObjetsParElement objects.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The most paths or text frames one element may make; past it the element draws nothing,
// so that a mistyped count cannot stall the host.
constexpr int64_t kMaxObjetsParElement = 100000;

// The settings one build reads, and the cell size it derives.
struct DimensionsTableau {
    double X, Y, L, H;     // top-left corner, width, height
    int32_t nL, nC;        // rows (title row included), columns
    double gL, gC, gF;     // gutters of rows, columns and frame
    bool titre;            // the first row is a title row
    double w, h;           // cell width and height

    bool largeurValide() const; // w finite and positive
    bool hauteurValide() const; // h finite and positive
};

// From the current settings (PositionX ... GouttiereCadre, AvecSansTitre).
DimensionsTableau LitDimensions();
// From given values; w and h computed.
DimensionsTableau Dimensions(double X, double Y, double L, double H, int32_t nL, int32_t nC, double gL,
                             double gC, double gF, bool titre);

// One rule piece (two anchors) or one rectangle (width, height, left, top).
struct Forme {
    enum Genre { Trait, Rectangle } genre;
    double a, b, c, d; // Trait: x1, y1, x2, y2; Rectangle: width, height, left, top
};

struct FormesCadre {
    std::vector<Forme> formes; // the outer rectangle first
    size_t debutInterieur;     // index of the first inner shape (== size() for a single frame)
};

bool FormesLignes(const DimensionsTableau& t, std::vector<Forme>& formes);
bool FormesColonnes(const DimensionsTableau& t, std::vector<Forme>& formes);
bool FormesDuCadre(const DimensionsTableau& t, FormesCadre& cadre);

struct Ancre {
    double x, y;
};
// The title frame's anchor, for type size `corps`.
std::optional<Ancre> AncreTitre(const DimensionsTableau& t, double corps);
// The cell frames' anchors, row by row from the top, left to right; the title row has none.
bool AncresCases(const DimensionsTableau& t, double corps, std::vector<Ancre>& ancres);

// Whether the rows', the columns' and the cells' objects each stay within kMaxObjetsParElement
// for these counts and gutters (sizes apart): what a table filled from data may grow to.
bool DansLaLimiteDObjets(const DimensionsTableau& t);

// True when the value is finite and stays finite as a 32-bit float.
bool FiniEnFlottant(double value);
