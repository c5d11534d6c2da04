#include "GeometrieTableau.h"

#include "Reglages.h"

#include <cmath>
#include <limits>

bool FiniEnFlottant(double value)
{
    return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

bool DimensionsTableau::largeurValide() const
{
    return std::isfinite(w) && w > 0;
}

bool DimensionsTableau::hauteurValide() const
{
    return std::isfinite(h) && h > 0;
}

DimensionsTableau Dimensions(double X, double Y, double L, double H, int32_t nL, int32_t nC, double gL, double gC,
                             double gF, bool titre)
{
    DimensionsTableau t{X, Y, L, H, nL, nC, gL, gC, gF, titre, 0, 0};
    // A count of 0 divides by zero: w or h is then not finite and nothing that needs it is drawn.
    t.w = (L - (static_cast<double>(nC) - 1) * gC) / static_cast<double>(nC);
    t.h = (H - (static_cast<double>(nL) - 1) * gL) / static_cast<double>(nL);
    return t;
}

DimensionsTableau LitDimensions()
{
    return Dimensions(PositionX, PositionY, LongueurTableau, HauteurTableau, NombreDeLignes, NombreDeColonnes,
                      GouttiereLignes, GouttiereColonnes, GouttiereCadre, AvecSansTitre);
}

namespace {

bool Fini(std::initializer_list<double> values)
{
    for (double v : values)
        if (!FiniEnFlottant(v))
            return false;
    return true;
}

// How many objects an element of a × b × c makes (none when a factor is not positive), or
// nothing when that is more than an element may make: counted in 64 bits from counts already
// known not to be negative, so that no stored or typed count can overflow the product. The
// count also reserves the shapes' room at once, which spares a large table's rebuild the
// copies of a growing list.
std::optional<size_t> Objets(int64_t a, int64_t b = 1, int64_t c = 1)
{
    if (a <= 0 || b <= 0 || c <= 0)
        return 0;
    if (a > kMaxObjetsParElement || b > kMaxObjetsParElement || c > kMaxObjetsParElement ||
        a * b * c > kMaxObjetsParElement)
        return std::nullopt;
    return static_cast<size_t>(a * b * c);
}

// The shapes of one element as they are made, into the caller's list (emptied first, its room
// kept), each checked on the way in: one coordinate that is not finite as a 32-bit float, and
// the element is nothing.
class Pieces {
public:
    Pieces(std::vector<Forme>& formes, size_t nombre) : formes_(formes)
    {
        formes_.clear();
        formes_.reserve(nombre);
    }

    void trait(double x1, double y1, double x2, double y2)
    {
        finies_ = finies_ && Fini({x1, y1, x2, y2});
        formes_.push_back(Forme{Forme::Trait, x1, y1, x2, y2});
    }
    // A rectangle's far corner too must stay finite.
    void rectangle(double largeur, double hauteur, double gauche, double haut)
    {
        finies_ = finies_ && Fini({largeur, hauteur, gauche, haut, gauche + largeur, haut - hauteur});
        formes_.push_back(Forme{Forme::Rectangle, largeur, hauteur, gauche, haut});
    }

    bool finies() const { return finies_; }

private:
    std::vector<Forme>& formes_;
    bool finies_ = true;
};

// One stroke of a row rule at height y, whole or cut at the column gutters: nC pieces of the
// cell width, each started a gutter after the end of the one before.
void CoupeLigne(Pieces& formes, const DimensionsTableau& t, double y, bool entiere)
{
    if (entiere) {
        formes.trait(t.X, y, t.X + t.L, y);
        return;
    }
    double debut = t.X;
    for (int32_t k = 0; k < t.nC; ++k) {
        formes.trait(debut, y, debut + t.w, y);
        debut = debut + t.w + t.gC;
    }
}

// One stroke of a column rule at x, from `haut` down: whole to the bottom when the rows have
// no gutter, otherwise one piece per row, `pieces` of them.
void CoupeColonne(Pieces& formes, const DimensionsTableau& t, double x, double haut, int32_t pieces)
{
    if (t.gL == 0) {
        formes.trait(x, haut, x, t.Y - t.H);
        return;
    }
    double debut = haut;
    for (int32_t r = 0; r < pieces; ++r) {
        formes.trait(x, debut, x, debut - t.h);
        debut = debut - t.h - t.gL;
    }
}

// The frame's top or bottom edge at y, one piece per column.
void BordParColonne(Pieces& formes, const DimensionsTableau& t, double y)
{
    for (int32_t k = 0; k < t.nC; ++k) {
        const double a = t.X + k * t.w + k * t.gC;
        formes.trait(a, y, a + t.w, y);
    }
}

} // namespace

bool DansLaLimiteDObjets(const DimensionsTableau& t)
{
    const int32_t rangs = t.titre ? t.nL - 1 : t.nL;
    return Objets(int64_t{t.nL} - 1, t.gL > 0 ? 2 : 1, t.gC != 0 ? t.nC : 1) &&
           Objets(int64_t{t.nC} - 1, t.gC > 0 ? 2 : 1, t.gL != 0 ? rangs : 1) && Objets(rangs, t.nC);
}

bool FormesLignes(const DimensionsTableau& t, std::vector<Forme>& liste)
{
    if (t.nL < 2 || t.nC < 1 || !Fini({t.X, t.Y, t.L, t.gL, t.gC}) || !t.hauteurValide())
        return false;
    const bool coupees = t.gC != 0;
    if (coupees && !t.largeurValide())
        return false;
    const auto nombre = Objets(int64_t{t.nL} - 1, t.gL > 0 ? 2 : 1, coupees ? t.nC : 1);
    if (!nombre)
        return false;

    Pieces formes(liste, *nombre);
    for (int32_t i = 1; i < t.nL; ++i) {
        const double y1 = t.Y - i * t.h - (i - 1) * t.gL;
        CoupeLigne(formes, t, y1, !coupees || (i == 1 && t.titre));
        // The lower stroke of the rule under the title stays cut: the column rules start there.
        if (t.gL > 0)
            CoupeLigne(formes, t, t.Y - i * t.h - i * t.gL, !coupees);
    }
    return formes.finies();
}

bool FormesColonnes(const DimensionsTableau& t, std::vector<Forme>& liste)
{
    if (t.nC < 2 || t.nL < 1 || !Fini({t.X, t.Y, t.H, t.gL, t.gC}) || !t.largeurValide())
        return false;
    const bool coupees = t.gL != 0;
    if ((coupees || t.titre) && !t.hauteurValide())
        return false;
    // Under a title row the rules start below it and its gutter; with no row below it there
    // is nothing to draw.
    const int32_t rangs = t.titre ? t.nL - 1 : t.nL;
    if (rangs < 1)
        return false;
    const auto nombre = Objets(int64_t{t.nC} - 1, t.gC > 0 ? 2 : 1, coupees ? rangs : 1);
    if (!nombre)
        return false;

    const double haut = t.titre ? t.Y - t.h - t.gL : t.Y;
    Pieces formes(liste, *nombre);
    for (int32_t j = 1; j < t.nC; ++j) {
        CoupeColonne(formes, t, t.X + j * t.w + (j - 1) * t.gC, haut, rangs);
        if (t.gC > 0)
            CoupeColonne(formes, t, t.X + j * t.w + j * t.gC, haut, rangs);
    }
    return formes.finies();
}

bool FormesDuCadre(const DimensionsTableau& t, FormesCadre& cadre)
{
    if (!Fini({t.X, t.Y, t.L, t.H, t.gF, t.gL, t.gC}))
        return false;
    size_t nombre = 1; // the outer rectangle
    if (t.gF != 0) {
        // The inner frame is cut per row and per column: it needs rows and columns to cut by.
        if ((t.gL != 0 && (t.nL < 1 || !t.hauteurValide())) || (t.gC != 0 && (t.nC < 1 || !t.largeurValide())))
            return false;
        const int64_t cotes = t.gL != 0 ? 2 * int64_t{t.nL} : 2;
        const int64_t bords = t.gC != 0 ? 2 * int64_t{t.nC} : 2;
        const auto avecInterieur = Objets(1 + cotes + bords);
        if (!avecInterieur)
            return false;
        nombre = *avecInterieur;
    }

    Pieces formes(cadre.formes, nombre);
    formes.rectangle(t.L + 2 * t.gF, t.H + 2 * t.gF, t.X - t.gF, t.Y + t.gF);
    cadre.debutInterieur = 1; // the inner pieces follow the outer rectangle
    if (t.gF == 0)
        return formes.finies();

    if (t.gL == 0 && t.gC == 0) {
        formes.rectangle(t.L, t.H, t.X, t.Y);
        return formes.finies();
    }
    if (t.gL != 0) {
        for (int32_t r = 0; r < t.nL; ++r) {
            const double haut = t.Y - r * t.h - r * t.gL;
            formes.trait(t.X, haut, t.X, haut - t.h);
            formes.trait(t.X + t.L, haut, t.X + t.L, haut - t.h);
        }
    } else {
        formes.trait(t.X, t.Y, t.X, t.Y - t.H);
        formes.trait(t.X + t.L, t.Y, t.X + t.L, t.Y - t.H);
    }
    if (t.gC != 0) {
        BordParColonne(formes, t, t.Y - t.H);
        if (t.titre)
            formes.trait(t.X, t.Y, t.X + t.L, t.Y);
        else
            BordParColonne(formes, t, t.Y);
    } else {
        formes.trait(t.X, t.Y, t.X + t.L, t.Y);
        formes.trait(t.X, t.Y - t.H, t.X + t.L, t.Y - t.H);
    }
    return formes.finies();
}

std::optional<Ancre> AncreTitre(const DimensionsTableau& t, double corps)
{
    if (!Fini({t.X, t.Y, t.L, corps}) || !t.hauteurValide())
        return std::nullopt;
    const Ancre ancre{t.X + t.L * 0.5, t.Y - t.h * 0.5 - corps * 0.33};
    if (!Fini({ancre.x, ancre.y}))
        return std::nullopt;
    return ancre;
}

bool AncresCases(const DimensionsTableau& t, double corps, std::vector<Ancre>& ancres)
{
    if (t.nL < 1 || t.nC < 1 || !Fini({t.X, t.Y, t.gL, t.gC, corps}) || !t.largeurValide() || !t.hauteurValide())
        return false;
    const int32_t premier = t.titre ? 1 : 0;
    const auto nombre = Objets(int64_t{t.nL} - premier, t.nC);
    if (!nombre)
        return false;
    ancres.clear();
    ancres.reserve(*nombre);
    for (int32_t r = premier; r < t.nL; ++r)
        for (int32_t k = 0; k < t.nC; ++k) {
            const Ancre ancre{t.X + (k + 0.5) * t.w + k * t.gC, t.Y - (r + 0.5) * t.h - r * t.gL - corps * 0.33};
            if (!Fini({ancre.x, ancre.y}))
                return false;
            ancres.push_back(ancre);
        }
    return true;
}
