#include "ActionsCouleurs.h"

#include "ControlesEditeur.h"
#include "CouleurEcran.h"
#include "EcritLitPrefs.h"
#include "EditeurCouleurs.h"
#include "FormatNombres.h"
#include "LectureNombres.h"
#include "Prises.h"
#include "Reglages.h"
#include "SimuleAppuiTouche.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::string_view kChoixDuType = "COUpopUpTypeCouleurCBP:";

// A channel's actions bear its name: "COUzoneGrisCBP:" commits its field,
// "COUglissiereGrisCBP:" moves its slider.
constexpr std::string_view kValidation = "COUzone";
constexpr std::string_view kGlissement = "COUglissiere";

bool NommeeParLeCanal(std::string_view selecteur, std::string_view debut, int canal)
{
    constexpr std::string_view fin = "CBP:";
    const std::string_view nom = kCanaux[canal].nom;
    return selecteur.size() == debut.size() + nom.size() + fin.size() && selecteur.starts_with(debut) &&
           selecteur.substr(debut.size(), nom.size()) == nom && selecteur.ends_with(fin);
}

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
    ns::TextField* zone = kControlesCanaux[canal].zone();
    ChangeCanal(canal, zone != nullptr ? ValeurDuTexte(zone->stringValue()) : 0);
}

// The slider move: its whole value.
void DeplaceGlissiere(int canal)
{
    if (ns::Slider* glissiere = kControlesCanaux[canal].glissiere()) {
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
    const ControlesCanal& m = kControlesCanaux[canal];
    if (ns::TextField* zone = m.zone())
        zone->setStringValue(TexteNombre(valeur));
    if (ns::Slider* glissiere = m.glissiere())
        glissiere->setDoubleValue(valeur);
    if (element != ElementTexte)
        kMisesAJourDuStyle[element]();
    EcritCanal(element, canal);
}

void RedessinePistesLiees(int canal)
{
    const int32_t type = TypeDuCanal(canal);
    const DispositionType& d = kDispositions[type];
    for (int autre = d.premierCanal; autre < d.premierCanal + d.nombreCanaux; ++autre)
        if (ns::View* piste = kControlesCanaux[autre].piste(); piste != nullptr && autre != canal)
            piste->display();
}

void RedessineApercus()
{
    for (ns::View* vue : {PANdessinCouleursNSView(), PANdessinCorpsTableauNSView()})
        if (vue != nullptr)
            vue->display();
}

bool EstActionDeLEditeur(std::string_view selecteur)
{
    if (selecteur == kChoixDuType)
        return true;
    for (int canal = 0; canal < NombreCanaux; ++canal)
        if (NommeeParLeCanal(selecteur, kValidation, canal) || NommeeParLeCanal(selecteur, kGlissement, canal))
            return true;
    return false;
}

bool ActionDeLEditeur(std::string_view selecteur, ns::Object* expediteur)
{
    if (selecteur == kChoixDuType) {
        COUpopUpTypeCouleurCBP(expediteur);
        return true;
    }
    for (int canal = 0; canal < NombreCanaux; ++canal) {
        if (NommeeParLeCanal(selecteur, kValidation, canal))
            ValideZone(canal);
        else if (NommeeParLeCanal(selecteur, kGlissement, canal))
            DeplaceGlissiere(canal);
        else
            continue;
        RedessineApercus();
        SimuleAppuiToucheFn();
        return true;
    }
    return false;
}
