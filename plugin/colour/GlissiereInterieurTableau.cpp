#include "GlissiereInterieurTableau.h"

#include "ClasseDeControle.h"
#include "CouleurEcran.h"
#include "Reglages.h"

#include "RectFill.h"

// The registry checks the interface file makes it of this class.
template bool EstDeClasse<GlissiereInterieurTableau>(ns::Object&);

namespace {

constexpr int kPas = 58;
constexpr double kDebut = 9, kLongueur = 164;

} // namespace

void GlissiereInterieurTableau::drawRect(const ns::Rect&)
{
    if (IndexPopup < 1 || IndexPopup > 4)
        return;
    const JeuCouleurs& jeu = JeuxCouleurs[IndexPopup - 1];
    if (jeu.TypeCouleur != TypeDuCanal(canal_) || (IndexPopup - 1 == ElementCadre && !AvecSansCadre))
        return;
    ns::GraphicsContext* contexte = ns::GraphicsContext::currentContext();
    if (contexte == nullptr)
        return;
    ns::GraphicsContext::saveGraphicsState();
    contexte->setShouldAntialias(false);
    const double alpha = 0.5 + 0.5 * OutilSelectionne;
    Fractions fractions = FractionsDuJeu(jeu);
    for (int i = 0; i < kPas; ++i) {
        // The track's own channel runs from none at the left to all of it at the right.
        fractions[canal_] = i / 57.0;
        CouleurEcran(jeu.TypeCouleur, fractions, alpha)->setFill();
        ns::RectFillUsingOperation(ns::MakeRect(kDebut + i * kLongueur / kPas, 2, kLongueur / kPas, 4),
                                   ns::CompositingOperation::SourceOver);
    }
    ns::GraphicsContext::restoreGraphicsState();
}
