#include "CouleurEcran.h"

#include "CMJNenRVB.h"
#include "ControlesEditeur.h"
#include "Flottants.h"

Fractions FractionsDuJeu(const JeuCouleurs& jeu)
{
    Fractions fractions{};
    for (int canal = 0; canal < NombreCanaux; ++canal) {
        const double valeur = jeu.*kCanaux[canal].champ;
        fractions[canal] = kCanaux[canal].maximum == 255 ? valeur / 255 : valeur * 0.01;
    }
    return fractions;
}

std::optional<ns::Color> CouleurEcran(int32_t type, const Fractions& f, double alpha)
{
    switch (type) {
    case TypeGris:
        return ns::Color::colorWithCalibratedRed(1 - f[0], 1 - f[0], 1 - f[0], alpha);
    case TypeRVB:
        return ns::Color::colorWithCalibratedRed(f[1], f[2], f[3], alpha);
    case TypeCMJN: {
        const RVB16 rvb = CMJNenRVB(EnFlottant(f[4]), EnFlottant(f[5]), EnFlottant(f[6]), EnFlottant(f[7]));
        return ns::Color::colorWithCalibratedRed(rvb.rouge / 65535.0, rvb.vert / 65535.0, rvb.bleu / 65535.0, alpha);
    }
    default:
        return std::nullopt;
    }
}

std::optional<ns::Color> CouleurEcranDuJeu(const JeuCouleurs& jeu)
{
    return CouleurEcran(jeu.TypeCouleur, FractionsDuJeu(jeu));
}

int32_t TypeDuCanal(int canal)
{
    for (int32_t type = TypeGris; type <= TypeCMJN; ++type)
        if (canal >= kDispositions[type].premierCanal &&
            canal < kDispositions[type].premierCanal + kDispositions[type].nombreCanaux)
            return type;
    return -1;
}
