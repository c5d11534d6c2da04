#include "CouleursPanneau.h"

#include "ControlesEditeur.h"
#include "Prises.h"
#include "ThemeInterface.h"

#include <vector>

namespace {

// Read at each call: the registry is filled when the panel wakes.
std::vector<ns::TextField*> ZonesEditables()
{
    return {PANzonePositionX(),
            PANzonePositionY(),
            PANzoneLongueurTableau(),
            PANzoneHauteurTableau(),
            PANzoneNbrLignes(),
            PANzoneEpaisseurLignes(),
            PANzoneGouttiereLigne(),
            PANzoneNbrColonnes(),
            PANzoneEpaisseurColonnes(),
            PANzoneGouttiereColonne(),
            PANzoneEpaisseurCadre(),
            PANzoneEpaisseurCadreDeux(),
            PANzoneGouttiereCadre(),
            PANnomTitre(),
            PANnomTexte(),
            PANzoneCorps()};
}

std::vector<ns::TextField*> CasesACocher()
{
    return {PANavecSansTexteTexte(), PANavecSansTitreTexte(), PANavecSansCadreTexte()};
}

std::vector<ns::TextField*> ZonesCouleurs()
{
    std::vector<ns::TextField*> zones;
    for (const ControlesCanal& c : kControlesCanaux)
        zones.push_back(c.zone());
    return zones;
}

std::vector<ns::TextField*> Libelles()
{
    std::vector<ns::TextField*> libelles;
    for (const ControlesRangee& r : kControlesRangees)
        libelles.push_back(r.pourCent());
    for (const ControlesRangee& r : kControlesRangees)
        libelles.push_back(r.lettre());
    libelles.push_back(PANnumeroPage());
    return libelles;
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

void Colore(const std::vector<ns::TextField*>& zones, void (ns::TextField::*applique)(const ns::Color&),
            const ns::Color& couleur)
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
