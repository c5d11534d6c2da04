#include "DessinCouleurs.h"

#include "ClasseDeControle.h"
#include "CouleurEcran.h"
#include "Reglages.h"

#include "BezierPath.h"

#include <optional>

// The registry checks the interface file makes it of this class.
template bool EstDeClasse<DessinCouleurs>(ns::Object&);

namespace {

struct Trait {
    ns::Point de, a;
};

// Rules as drawn with a single frame and with a double one.
constexpr Trait kLignes[2][2] = {{{{2, 8}, {28, 8}}, {{2, 13}, {28, 13}}}, {{{4, 8}, {26, 8}}, {{4, 13}, {26, 13}}}};
constexpr Trait kColonnes[2][2] = {{{{11, 2}, {11, 19}}, {{19, 2}, {19, 19}}},
                                   {{{11, 4}, {11, 17}}, {{19, 4}, {19, 17}}}};

void Trace(const Trait (&traits)[2], const std::optional<ns::Color>& couleur)
{
    ns::BezierPath chemin;
    chemin.setLineWidth(2);
    for (const Trait& t : traits) {
        chemin.moveToPoint(t.de);
        chemin.lineToPoint(t.a);
    }
    // An element of a type none of the three is drawn in the colour before it.
    if (couleur)
        couleur->setStroke();
    chemin.stroke();
}

void Cadre(ns::Rect rect, double epaisseur)
{
    ns::BezierPath chemin = ns::BezierPath::bezierPathWithRect(rect);
    chemin.setLineWidth(epaisseur);
    chemin.stroke();
}

} // namespace

void DessinCouleurs::drawRect(const ns::Rect&)
{
    ns::GraphicsContext* contexte = ns::GraphicsContext::currentContext();
    if (contexte == nullptr)
        return;
    const bool cadreDouble = GouttiereCadre > 0;
    ns::GraphicsContext::saveGraphicsState();
    contexte->setShouldAntialias(false);
    Trace(kLignes[cadreDouble], CouleurEcranDuJeu(JeuxCouleurs[ElementLignes]));
    Trace(kColonnes[cadreDouble], CouleurEcranDuJeu(JeuxCouleurs[ElementColonnes]));
    if (AvecSansCadre) {
        if (const std::optional<ns::Color> cadre = CouleurEcranDuJeu(JeuxCouleurs[ElementCadre]))
            cadre->setStroke();
        Cadre(ns::MakeRect(0, 0, 30, 21), 4);
        if (cadreDouble)
            Cadre(ns::MakeRect(3, 3, 23, 14), 1);
    }
    ns::GraphicsContext::restoreGraphicsState();
}
