#include "ActionsCouleurs.h"

#include "ControlesEditeur.h"
#include "CouleurEcran.h"
#include "EcritLitPrefs.h"
#include "LectureNombres.h"
#include "Miroirs.h"
#include "Reglages.h"
#include "SimuleAppuiTouche.h"

#include <cmath>

namespace {

// The path style of the rows, the columns and the frame.
int32_t (*const kMisesAJourDuStyle[])() = {MiseAJourDuStyleDesLignes, MiseAJourDuStyleDesColonnes,
                                          MiseAJourDuStyleDuCadre};

bool PageDElement()
{
    return IndexPopup >= 1 && IndexPopup <= 4;
}

// The field commit: the field's number in single precision (no number, or one single
// precision cannot hold, reads 0), the slider at it (at its end stop when outside its range).
void ValideZone(int canal)
{
    const MiroirsCanal& m = kMiroirsCanaux[canal];
    const double valeur = *m.zone != nullptr ? ValeurFlottante((*m.zone)->stringValue()) : 0;
    ChangeCanal(canal, valeur);
    if (*m.glissiere != nullptr)
        (*m.glissiere)->setDoubleValue(valeur);
}

// The slider move: its whole value, written into the field and the slider.
void DeplaceGlissiere(int canal)
{
    const MiroirsCanal& m = kMiroirsCanaux[canal];
    if (*m.glissiere == nullptr)
        return;
    const double valeur = std::trunc((*m.glissiere)->doubleValue());
    ChangeCanal(canal, valeur);
    if (*m.zone != nullptr)
        (*m.zone)->setIntValue(static_cast<int>(valeur));
    (*m.glissiere)->setDoubleValue(valeur);
    RedessinePistesLiees(canal);
}

} // namespace

void ChangeCanal(int canal, double valeur)
{
    if (!PageDElement())
        return;
    const auto element = static_cast<Element>(IndexPopup - 1);
    JeuxCouleurs[element].*kCanaux[canal].champ = valeur;
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
