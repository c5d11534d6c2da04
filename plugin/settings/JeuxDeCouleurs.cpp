#include "JeuxDeCouleurs.h"

#include "Flottants.h"
#include "Reglages.h"
#include "TableauSuites.h"

#include <algorithm>

JeuCouleurs JeuxCouleurs[NombreElements];

const DescriptionElement kElements[NombreElements] = {
    {"Lignes", &StyleLignes},
    {"Colonnes", &StyleColonnes},
    {"Cadre", &StyleCadre},
    {"Texte", nullptr},
};

const Canal kCanaux[NombreCanaux] = {
    {"Gris", &JeuCouleurs::Gris, 100, 50},       {"Rouge", &JeuCouleurs::Rouge, 255, 255},
    {"Vert", &JeuCouleurs::Vert, 255, 0},        {"Bleu", &JeuCouleurs::Bleu, 255, 0},
    {"Cyan", &JeuCouleurs::Cyan, 100, 0},        {"Magenta", &JeuCouleurs::Magenta, 100, 0},
    {"Jaune", &JeuCouleurs::Jaune, 100, 0},      {"Noir", &JeuCouleurs::Noir, 100, 0},
};

namespace {

// Whatever the set holds, the art is given a colour: each component within its range (not a
// number counts as none of it), then a fraction of 1.
double Borne(double composante, double maximum)
{
    return composante > 0 ? std::min(composante, maximum) : 0.0;
}

float FractionPourcent(double composante)
{
    return EnFlottant(Borne(composante, 100) * 0.01);
}

float FractionRVB(double composante)
{
    return EnFlottant(Borne(composante, 255) / 255);
}

} // namespace

bool CouleurDuJeu(const JeuCouleurs& jeu, AIColor& couleur)
{
    switch (jeu.TypeCouleur) {
    case TypeCMJN:
        couleur.kind = kFourColor;
        couleur.c.f.cyan = FractionPourcent(jeu.Cyan);
        couleur.c.f.magenta = FractionPourcent(jeu.Magenta);
        couleur.c.f.yellow = FractionPourcent(jeu.Jaune);
        couleur.c.f.black = FractionPourcent(jeu.Noir);
        return true;
    case TypeRVB:
        couleur.kind = kThreeColor;
        couleur.c.rgb.red = FractionRVB(jeu.Rouge);
        couleur.c.rgb.green = FractionRVB(jeu.Vert);
        couleur.c.rgb.blue = FractionRVB(jeu.Bleu);
        return true;
    case TypeGris:
        couleur.kind = kGrayColor;
        couleur.c.g.gray = FractionPourcent(jeu.Gris);
        return true;
    default:
        return false;
    }
}

namespace {

int32_t MiseAJourDuStyle(Element element)
{
    CouleurDuJeu(JeuxCouleurs[element], kElements[element].style->stroke.color);
    return 0;
}

} // namespace

int32_t MiseAJourDuStyleDesLignes()
{
    return MiseAJourDuStyle(ElementLignes);
}

int32_t MiseAJourDuStyleDesColonnes()
{
    return MiseAJourDuStyle(ElementColonnes);
}

int32_t MiseAJourDuStyleDuCadre()
{
    return MiseAJourDuStyle(ElementCadre);
}

ASErr InitialiseLesStyles()
{
    AIPathStyle style{};
    if (ASErr status = sAIPathStyle->GetCurrentPathStyle(&style))
        return status;
    StyleLignes = style;
    MiseAJourDuStyleDesLignes();
    StyleLignes.strokePaint = true;
    StyleLignes.stroke.cap = kAIButtCap;
    StyleLignes.stroke.miterLimit = 10;
    StyleLignes.fillPaint = false;
    StyleColonnes = StyleLignes;
    MiseAJourDuStyleDesColonnes();
    StyleCadre = StyleLignes;
    MiseAJourDuStyleDuCadre();
    return kNoErr;
}
