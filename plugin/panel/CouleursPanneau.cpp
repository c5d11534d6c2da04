#include "CouleursPanneau.h"

#include "Miroirs.h"
#include "ThemeInterface.h"

#include <vector>

namespace {

// Read at each call: the mirrors are filled when the panel wakes.
std::vector<ns::TextField*> ZonesEditables()
{
    return {GzonePositionX,    GzonePositionY,         GzoneLongueurTableau,  GzoneHauteurTableau, GzoneNbrLignes,
            GzoneEpaisseurLignes, GzoneGouttiereLigne, GzoneNbrColonnes,      GzoneEpaisseurColonnes,
            GzoneGouttiereColonne, GzoneEpaisseurCadre, GzoneEpaisseurCadreDeux, GzoneGouttiereCadre, GnomTitre,
            GnomTexte,         GzoneCorps};
}

std::vector<ns::TextField*> CasesACocher()
{
    return {GavecSansTexteTexte, GavecSansTitreTexte, GavecSansCadreTexte};
}

std::vector<ns::TextField*> ZonesCouleurs()
{
    return {GzoneGris, GzoneRouge, GzoneVert, GzoneBleu, GzoneCyan, GzoneMagenta, GzoneJaune, GzoneNoir};
}

std::vector<ns::TextField*> Libelles()
{
    return {GpourCentGrisCyan, GpourCentMagenta, GpourCentJaune, GpourCentNoir, GlabelTexteGRC,
            GlabelTexteVM,     GlabelTexteBJ,    GlabelTexteN,   GnumeroPage};
}

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

void Colore(const std::vector<ns::TextField*>& zones, void (ns::TextField::*applique)(const ns::Color&), const ns::Color& couleur)
{
    for (ns::TextField* zone : zones)
        if (zone != nullptr)
            (zone->*applique)(couleur);
}

} // namespace

void AppliqueCouleursTheme()
{
    Colore(ZonesEditables(), &ns::TextField::setBackgroundColor, Fond());
    Colore(ZonesEditables(), &ns::TextField::setTextColor, TexteEdition());
    Colore(CasesACocher(), &ns::TextField::setTextColor, Texte());
    Colore(ZonesCouleurs(), &ns::TextField::setBackgroundColor, Fond());
    Colore(ZonesCouleurs(), &ns::TextField::setTextColor, TexteEdition());
    Colore(Libelles(), &ns::TextField::setTextColor, Texte());
}
