#include "ClassesInterface.h"

#include "BoutonIcone.h"
#include "BoutonLabel.h"
#include "BoutonReveilTableau.h"
#include "BoutonToutesGlissieres.h"
#include "DelegateTouchesTabPrefs.h"
#include "DelegateTouchesTableau.h"
#include "PositionDialoguePrefs.h"
#include "DessinCorpsTableau.h"
#include "DessinCouleurs.h"
#include "GlissiereInterieurTableau.h"
#include "GlissiereTableau.h"
#include "JeuxDeCouleurs.h"

#include "ClassRegistry.h"

#include <string>
#include <utility>

namespace {

template <int Numero>
std::unique_ptr<ns::Object> FabriquePiste(const ns::Rect& cadre)
{
    return std::make_unique<GlissiereInterieurTableau>(cadre, Numero);
}

template <int Rangee>
std::unique_ptr<ns::Object> FabriqueLabel(const ns::Rect& cadre)
{
    return std::make_unique<BoutonLabel>(cadre, Rangee);
}

template <std::size_t Membre>
std::unique_ptr<ns::Object> FabriqueIcone(const ns::Rect& cadre)
{
    return std::make_unique<BoutonIcone>(cadre, Membre);
}

template <int... Numeros>
void EnregistrePistes(ns::Bundle* bundle, std::integer_sequence<int, Numeros...>)
{
    (ns::ClassRegistry::registerClass(std::string("GlissiereInterieurTableau") + kCanaux[Numeros].nom,
                                      &FabriquePiste<Numeros>, bundle),
     ...);
}

template <std::size_t... Membres>
void EnregistreIcones(ns::Bundle* bundle, std::index_sequence<Membres...>)
{
    (ns::ClassRegistry::registerClass(kFamilleIcones[Membres].classe, &FabriqueIcone<Membres>, bundle), ...);
}

} // namespace

void EnregistreClassesInterface(ns::Bundle* bundle)
{
    ns::registerClass<BoutonReveilTableau>("BoutonReveilTableau", bundle);
    ns::registerClass<DessinCorpsTableau>("DessinCorpsTableau", bundle);
    ns::registerClass<DessinCorpsTableauPrefs>("DessinCorpsTableauPrefs", bundle);
    ns::registerClass<DessinCouleurs>("DessinCouleurs", bundle);
    ns::registerClass<BoutonToutesGlissieres>("BoutonToutesGlissieres", bundle);
    ns::registerClass<GlissiereTableau>("GlissiereTableau", bundle);
    ns::registerClass<DelegateTouchesTableau>("DelegateTouchesTableau", bundle);
    ns::registerClass<DelegateTouchesTabPrefs>("DelegateTouchesTabPrefs", bundle);
    ns::registerClass<DelegatePositionDialoguePrefsTableau>("DelegatePositionDialoguePrefsTableau", bundle);
    ns::ClassRegistry::registerClass("BoutonLabelGRC", &FabriqueLabel<1>, bundle);
    ns::ClassRegistry::registerClass("BoutonLabelVM", &FabriqueLabel<2>, bundle);
    ns::ClassRegistry::registerClass("BoutonLabelBJ", &FabriqueLabel<3>, bundle);
    ns::ClassRegistry::registerClass("BoutonLabelN", &FabriqueLabel<4>, bundle);
    EnregistrePistes(bundle, std::make_integer_sequence<int, NombreCanaux>());
    EnregistreIcones(bundle, std::make_index_sequence<std::size(kFamilleIcones)>());
}
