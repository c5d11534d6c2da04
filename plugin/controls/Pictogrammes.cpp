#include "Pictogrammes.h"

#include "BezierPath.h"
#include "GraphicsContext.h"

#include <initializer_list>
#include <vector>

namespace {

enum class Role { Accent, Structure, Secondaire };
enum class Forme {
    Ligne,  // stroked: 2 points wide for the accent, 1 otherwise
    Marque, // stroked 1 point wide: a dimension's end marks
    Barre,  // a filled rectangle x, y, width, height
    Pointe, // a filled triangle, antialiased
};

struct Trace {
    Forme forme;
    Role role;
    double a, b, c, d, e = 0, f = 0;
};

constexpr Trace L(Role r, double x1, double y1, double x2, double y2)
{
    return {Forme::Ligne, r, x1, y1, x2, y2};
}
constexpr Trace M(double x1, double y1, double x2, double y2)
{
    return {Forme::Marque, Role::Accent, x1, y1, x2, y2};
}
constexpr Trace B(Role r, double x, double y, double largeur, double hauteur)
{
    return {Forme::Barre, r, x, y, largeur, hauteur};
}
constexpr Trace P(double x1, double y1, double x2, double y2, double x3, double y3)
{
    return {Forme::Pointe, Role::Accent, x1, y1, x2, y2, x3, y3};
}

constexpr Role A = Role::Accent, S = Role::Structure, G = Role::Secondaire;

// The double frame's bars, the outer and the inner frame each in its role, then the
// dimension measured on it.
std::vector<Trace> Cadres(Role exterieur, Role interieur, std::initializer_list<Trace> cote)
{
    std::vector<Trace> traces = {B(exterieur, 0, 0, 17, 3), B(exterieur, 0, 15, 17, 3), B(exterieur, 0, 0, 3, 18),
                                 B(exterieur, 14, 0, 3, 18), B(interieur, 5, 5, 7, 2),  B(interieur, 5, 11, 7, 2),
                                 B(interieur, 5, 5, 2, 8),   B(interieur, 10, 5, 2, 8)};
    traces.insert(traces.end(), cote);
    return traces;
}

struct Dessin {
    Pictogramme pictogramme;
    std::vector<Trace> traces;
};

const std::vector<Dessin>& Dessins()
{
    static const std::vector<Dessin> dessins = {
        // Three rows with a plus and a minus between them.
        {Pictogramme::NombreLignes,
         {L(A, 9, 13, 15, 13), L(A, 12, 16, 12, 10), L(A, 9, 5, 15, 5), L(S, 3, 0, 20, 0), L(S, 3, 8, 20, 8),
          L(S, 3, 17, 20, 17)}},
        // Three columns with a plus and a minus between them.
        {Pictogramme::NombreColonnes,
         {L(A, 2, 11, 7, 11), L(A, 4, 14, 4, 8), L(A, 10, 11, 15, 11), L(S, 0, 1, 0, 18), L(S, 8, 1, 8, 18),
          L(S, 16, 1, 16, 18)}},
        // A rule as a bar, its thickness measured across it.
        {Pictogramme::TraitLignes, {B(S, 1, 7, 16, 4), L(A, 12, 2, 12, 16), M(10, 2, 14, 2), M(10, 16, 14, 16)}},
        {Pictogramme::TraitColonnes, {B(S, 7, 1, 4, 16), L(A, 2, 5, 16, 5), M(2, 3, 2, 7), M(16, 3, 16, 7)}},
        // Two rules, the gap between them measured.
        {Pictogramme::EcartLignes,
         {B(S, 1, 2, 16, 3), B(S, 1, 13, 16, 3), L(A, 12, 5, 12, 13), M(10, 5, 14, 5), M(10, 13, 14, 13)}},
        {Pictogramme::EcartColonnes,
         {B(S, 2, 1, 3, 16), B(S, 12, 1, 3, 16), L(A, 5, 12, 12, 12), M(5, 10, 5, 14), M(12, 10, 12, 14)}},
        // The double frame, one of its thicknesses or its gutter measured across the bottom.
        {Pictogramme::CadreExterieur, Cadres(S, G, {L(A, 8, 0, 8, 3), M(6, 3, 10, 3)})},
        {Pictogramme::CadreInterieur, Cadres(G, S, {L(A, 8, 5, 8, 7), M(6, 7, 10, 7)})},
        {Pictogramme::EcartCadre, Cadres(S, S, {L(A, 8, 3, 8, 5), M(6, 3, 10, 3), M(6, 5, 10, 5)})},
        // Position and size: the table, guides, and the distance measured with two arrows
        // whose heads meet the shaft without covering it (at half opacity an overlap shows).
        {Pictogramme::Abscisse,
         {L(S, 7, 2, 16, 2), L(S, 16, 2, 16, 10), L(S, 16, 10, 7, 10), L(S, 7, 10, 7, 2), L(G, 1, 1, 1, 17),
          L(G, 7, 11, 7, 17), L(G, 8, 4, 15, 4), L(G, 8, 6, 15, 6), L(G, 8, 8, 15, 8), L(A, 3, 14, 5, 14),
          P(1, 14, 3, 12, 3, 16), P(7, 14, 5, 12, 5, 16)}},
        {Pictogramme::Longueur,
         {L(S, 1, 2, 16, 2), L(S, 16, 2, 16, 9), L(S, 16, 9, 1, 9), L(S, 1, 9, 1, 2), L(G, 1, 10, 1, 17),
          L(G, 16, 10, 16, 17), L(G, 2, 4, 15, 4), L(G, 2, 6, 15, 6), L(G, 8, 3, 8, 8), L(A, 4, 14, 13, 14),
          P(1, 14, 4, 12, 4, 16), P(16, 14, 13, 12, 13, 16)}},
        {Pictogramme::Ordonnee,
         {L(S, 2, 1, 10, 1), L(S, 10, 1, 10, 10), L(S, 10, 10, 2, 10), L(S, 2, 10, 2, 1), L(G, 1, 17, 16, 17),
          L(G, 11, 10, 16, 10), L(G, 3, 3, 9, 3), L(G, 3, 5, 9, 5), L(G, 3, 7, 9, 7), L(A, 14, 12, 14, 15),
          P(14, 17, 12, 15, 16, 15), P(14, 10, 12, 12, 16, 12)}},
        {Pictogramme::Hauteur,
         {L(S, 1, 1, 9, 1), L(S, 9, 1, 9, 16), L(S, 9, 16, 1, 16), L(S, 1, 16, 1, 1), L(G, 10, 1, 16, 1),
          L(G, 10, 16, 16, 16), L(G, 2, 5, 8, 5), L(G, 2, 9, 8, 9), L(G, 2, 13, 8, 13), L(A, 14, 4, 14, 13),
          P(14, 1, 12, 4, 16, 4), P(14, 16, 12, 13, 16, 13)}},
    };
    return dessins;
}

const ns::Color& Couleur(const Palette& palette, Role role)
{
    switch (role) {
    case Role::Accent:
        return palette.accent;
    case Role::Structure:
        return palette.structure;
    case Role::Secondaire:
        break;
    }
    return palette.secondaire;
}

// Each role's lines of one width in one path, stroked once: crossings are not drawn twice.
void Traits(const std::vector<Trace>& traces, Forme forme, Role role, double largeur, const Palette& palette)
{
    ns::BezierPath chemin;
    chemin.setLineWidth(largeur);
    bool vide = true;
    for (const Trace& t : traces)
        if (t.forme == forme && t.role == role) {
            chemin.moveToPoint({t.a, t.b});
            chemin.lineToPoint({t.c, t.d});
            vide = false;
        }
    if (vide)
        return;
    Couleur(palette, role).setStroke();
    chemin.stroke();
}

void Remplit(const std::vector<Trace>& traces, Forme forme, Role role, const Palette& palette)
{
    ns::BezierPath chemin;
    bool vide = true;
    for (const Trace& t : traces)
        if (t.forme == forme && t.role == role) {
            if (forme == Forme::Barre) {
                chemin.appendBezierPathWithRect(ns::MakeRect(t.a, t.b, t.c, t.d));
            } else {
                chemin.moveToPoint({t.a, t.b});
                chemin.lineToPoint({t.c, t.d});
                chemin.lineToPoint({t.e, t.f});
                chemin.closePath();
            }
            vide = false;
        }
    if (vide)
        return;
    Couleur(palette, role).setFill();
    chemin.fill();
}

} // namespace

Palette PaletteDesPreferences()
{
    return {{0, 0, 1}, {0.1, 0.1, 0.1}, {0.4, 0.4, 0.4}};
}

Palette PaletteDuPanneau(bool sombre, bool outilCourant)
{
    const double alpha = 0.5 + 0.5 * outilCourant;
    if (sombre)
        return {{0.1, 0.6, 1.0, alpha}, {0.9, 0.9, 0.9, alpha}, {0.6, 0.6, 0.6, alpha}};
    return {{0, 0, 1, alpha}, {0.1, 0.1, 0.1, alpha}, {0.4, 0.4, 0.4, alpha}};
}

void DessinePictogramme(Pictogramme pictogramme, const Palette& palette)
{
    const Dessin* dessin = nullptr;
    for (const Dessin& d : Dessins())
        if (d.pictogramme == pictogramme)
            dessin = &d;
    ns::GraphicsContext* contexte = ns::GraphicsContext::currentContext();
    if (dessin == nullptr || contexte == nullptr)
        return;
    ns::GraphicsContext::saveGraphicsState();
    contexte->setShouldAntialias(false);
    for (const Role role : {G, S})
        Remplit(dessin->traces, Forme::Barre, role, palette);
    Traits(dessin->traces, Forme::Ligne, G, 1, palette);
    Traits(dessin->traces, Forme::Ligne, S, 1, palette);
    Traits(dessin->traces, Forme::Ligne, A, 2, palette);
    Traits(dessin->traces, Forme::Marque, A, 1, palette);
    contexte->setShouldAntialias(true);
    Remplit(dessin->traces, Forme::Pointe, A, palette);
    ns::GraphicsContext::restoreGraphicsState();
}
