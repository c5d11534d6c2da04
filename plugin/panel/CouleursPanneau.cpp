#include "CouleursPanneau.h"

#include "Miroirs.h"
#include "ThemeInterface.h"

namespace {

// In the order they are recoloured.
ns::TextField** const kZonesEditables[] = {
    &GzonePositionX,
    &GzonePositionY,
    &GzoneLongueurTableau,
    &GzoneHauteurTableau,
    &GzoneNbrLignes,
    &GzoneEpaisseurLignes,
    &GzoneGouttiereLigne,
    &GzoneNbrColonnes,
    &GzoneEpaisseurColonnes,
    &GzoneGouttiereColonne,
    &GzoneEpaisseurCadre,
    &GzoneEpaisseurCadreDeux,
    &GzoneGouttiereCadre,
    &GnomTitre,
    &GnomTexte,
    &GzoneCorps,
};
ns::TextField** const kCasesACocher[] = {
    &GavecSansTexteTexte,
    &GavecSansTitreTexte,
    &GavecSansCadreTexte,
};
ns::TextField** const kZonesCouleurs[] = {
    &GzoneGris,
    &GzoneRouge,
    &GzoneVert,
    &GzoneBleu,
    &GzoneCyan,
    &GzoneMagenta,
    &GzoneJaune,
    &GzoneNoir,
};
ns::TextField** const kLibelles[] = {
    &GpourCentGrisCyan,
    &GpourCentMagenta,
    &GpourCentJaune,
    &GpourCentNoir,
    &GlabelTexteGRC,
    &GlabelTexteVM,
    &GlabelTexteBJ,
    &GlabelTexteN,
    &GnumeroPage,
};

ns::Color Fond()
{
    return ns::Color::colorWithCalibratedRed(RougeFondTheme, VertFondTheme, BleuFondTheme, AlphaFondTheme);
}

ns::Color TexteEdition()
{
    return ns::Color::colorWithCalibratedRed(RougeTexteEditTheme, VertTexteEditTheme, BleuTexteEditTheme,
                                             AlphaTexteEditTheme);
}

ns::Color Texte()
{
    return ns::Color::colorWithCalibratedRed(RougeTexteTheme, VertTexteTheme, BleuTexteTheme, AlphaTexteTheme);
}

template <size_t N>
void Colore(ns::TextField** const (&zones)[N], void (ns::TextField::*applique)(const ns::Color&), const ns::Color& couleur)
{
    for (ns::TextField** zone : zones)
        if (*zone != nullptr)
            ((*zone)->*applique)(couleur);
}

} // namespace

void AppliqueCouleursTheme()
{
    for (ns::TextField** zone : kZonesEditables)
        if (*zone != nullptr) {
            (*zone)->setBackgroundColor(Fond());
            (*zone)->setTextColor(TexteEdition());
        }
    Colore(kCasesACocher, &ns::TextField::setTextColor, Texte());
    Colore(kZonesCouleurs, &ns::TextField::setBackgroundColor, Fond());
    Colore(kZonesCouleurs, &ns::TextField::setTextColor, TexteEdition());
    Colore(kLibelles, &ns::TextField::setTextColor, Texte());
    Colore(kCasesACocher, &ns::TextField::setTextColor, Texte());
}
