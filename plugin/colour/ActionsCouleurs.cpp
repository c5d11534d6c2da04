#include "ActionsCouleurs.h"

#include "ControlesEditeur.h"
#include "CouleurEcran.h"
#include "EcritLitPrefs.h"
#include "FormatNombres.h"
#include "LectureNombres.h"
#include "Miroirs.h"
#include "Reglages.h"
#include "SimuleAppuiTouche.h"

#include <algorithm>
#include <cmath>

namespace {

// The path style of the rows, the columns and the frame.
int32_t (*const kMisesAJourDuStyle[])() = {MiseAJourDuStyleDesLignes, MiseAJourDuStyleDesColonnes,
                                          MiseAJourDuStyleDuCadre};

bool PageDElement()
{
    return IndexPopup >= 1 && IndexPopup <= 4;
}

// The field commit: the field's number, read as every field reads it (no number reads 0).
void ValideZone(int canal)
{
    ns::TextField* zone = *kMiroirsCanaux[canal].zone;
    ChangeCanal(canal, zone != nullptr ? ValeurDuTexte(zone->stringValue()) : 0);
}

// The slider move: its whole value.
void DeplaceGlissiere(int canal)
{
    if (ns::Slider* glissiere = *kMiroirsCanaux[canal].glissiere) {
        ChangeCanal(canal, std::trunc(glissiere->doubleValue()));
        RedessinePistesLiees(canal);
    }
}

} // namespace

void ChangeCanal(int canal, double valeur)
{
    if (!PageDElement())
        return;
    const auto element = static_cast<Element>(IndexPopup - 1);
    // Within the channel's range, as the store takes it back at the next launch.
    valeur = std::clamp(valeur, 0.0, kCanaux[canal].maximum) + 0.0;
    JeuxCouleurs[element].*kCanaux[canal].champ = valeur;
    const MiroirsCanal& m = kMiroirsCanaux[canal];
    if (*m.zone != nullptr)
        (*m.zone)->setStringValue(TexteNombre(valeur));
    if (*m.glissiere != nullptr)
        (*m.glissiere)->setDoubleValue(valeur);
    if (element != ElementTexte)
        kMisesAJourDuStyle[element]();
    EcritCanal(element, canal);
}

void RedessinePistesLiees(int canal)
{
    const int32_t type = TypeDuCanal(canal);
    const DispositionType& d = kDispositions[type];
    for (int autre = d.premierCanal; autre < d.premierCanal + d.nombreCanaux; ++autre)
        if (autre != canal && *kMiroirsCanaux[autre].piste != nullptr)
            (*kMiroirsCanaux[autre].piste)->display();
}

void RedessineApercus()
{
    for (ns::View* vue : {GdessinCouleursNSView, GdessinCorpsTableauNSView})
        if (vue != nullptr)
            vue->display();
}

bool EstActionDeCouleur(std::string_view selecteur)
{
    for (const MiroirsCanal& m : kMiroirsCanaux)
        if (selecteur == m.validation || selecteur == m.glissement)
            return true;
    return false;
}

bool ActionDeCouleur(std::string_view selecteur)
{
    for (int canal = 0; canal < NombreCanaux; ++canal) {
        const MiroirsCanal& m = kMiroirsCanaux[canal];
        if (selecteur == m.validation)
            ValideZone(canal);
        else if (selecteur == m.glissement)
            DeplaceGlissiere(canal);
        else
            continue;
        RedessineApercus();
        SimuleAppuiToucheFn();
        return true;
    }
    return false;
}
