#include "BoutonIcone.h"

#include "ClasseDeControle.h"
#include "Reglages.h"
#include "ThemeInterface.h"
#include "ZoneSuivie.h"

#include "Cursor.h"

// The registry checks the interface file makes it of this class.
template bool EstDeClasse<BoutonIcone>(ns::Object&);

ns::TrackingArea *trbttxtnbrligprefs = nullptr, *trbttxtnbrcolprefs = nullptr, *trbttxtepaisligprefs = nullptr,
                 *trbttxtepaiscolprefs = nullptr, *trbttxtgouttiereligprefs = nullptr,
                 *trbttxtgouttierecolprefs = nullptr, *trbttxtcadreprefs = nullptr, *trbttxtcadredeuxprefs = nullptr,
                 *trbttxtgouttierecadreprefs = nullptr, *trbttxtposxnbrlignbrcol = nullptr,
                 *trbttxtepaisseurligcolcad = nullptr, *trbttxtgouttiereligcolcad = nullptr,
                 *trbttxtHauteurCadreDeux = nullptr;

namespace {

using P = Pictogramme;

constexpr PageIcone kRien{nullptr, nullptr, P::Aucun};

MembreIcone Preferences(const char* classe, ns::TrackingArea** zoneSuivie, LitZone zone, Pictogramme pictogramme)
{
    return {classe, zoneSuivie, false, zone, pictogramme, {kRien, kRien, kRien, kRien, kRien}, false};
}

} // namespace

const MembreIcone kFamilleIcones[13] = {
    Preferences("BoutonNbrLigPrefs", &trbttxtnbrligprefs, Zone<PREzoneNombreLignes>, P::NombreLignes),
    Preferences("BoutonNbrColPrefs", &trbttxtnbrcolprefs, Zone<PREzoneNombreColonnes>, P::NombreColonnes),
    Preferences("BoutonEpaisseurLignesPrefs", &trbttxtepaisligprefs, Zone<PREzoneEpaisseurLignes>, P::TraitLignes),
    Preferences("BoutonEpaisseurColonnesPrefs", &trbttxtepaiscolprefs, Zone<PREzoneEpaisseurColonnes>,
                P::TraitColonnes),
    Preferences("BoutonGouttiereLignesPrefs", &trbttxtgouttiereligprefs, Zone<PREzoneGouttiereLigne>, P::EcartLignes),
    Preferences("BoutonGouttiereColonnesPrefs", &trbttxtgouttierecolprefs, Zone<PREzoneGouttiereColonne>,
                P::EcartColonnes),
    Preferences("BoutonCadrePrefs", &trbttxtcadreprefs, Zone<PREzoneEpaisseurCadre>, P::CadreExterieur),
    Preferences("BoutonCadreDeuxPrefs", &trbttxtcadredeuxprefs, Zone<PREzoneEpaisseurCadreDeux>, P::CadreInterieur),
    Preferences("BoutonGouttiereCadrePrefs", &trbttxtgouttierecadreprefs, Zone<PREzoneGouttiereCadre>, P::EcartCadre),
    {"BoutonPosXNbrLigNbrCol",
     &trbttxtposxnbrlignbrcol,
     true,
     nullptr,
     P::Aucun,
     {{"X position of the table.", Zone<PANzonePositionX>, P::Abscisse},
      {"Number of rows.", Zone<PANzoneNbrLignes>, P::NombreLignes},
      {"Number of columns.", Zone<PANzoneNbrColonnes>, P::NombreColonnes},
      kRien,
      kRien},
     false},
    {"BoutonEpaisseurLigColCad",
     &trbttxtepaisseurligcolcad,
     true,
     nullptr,
     P::Aucun,
     {{"Length of the table.", Zone<PANzoneLongueurTableau>, P::Longueur},
      {"Thickness of the lines.", Zone<PANzoneEpaisseurLignes>, P::TraitLignes},
      {"Thickness of the columns.", Zone<PANzoneEpaisseurColonnes>, P::TraitColonnes},
      {"Thickness of the outer frame.", Zone<PANzoneEpaisseurCadre>, P::CadreExterieur},
      kRien},
     false},
    {"BoutonGouttiereLigColCad",
     &trbttxtgouttiereligcolcad,
     true,
     nullptr,
     P::Aucun,
     {{"Y position of the table.", Zone<PANzonePositionY>, P::Ordonnee},
      {"Gutter between rows.", Zone<PANzoneGouttiereLigne>, P::EcartLignes},
      {"Gutter between columns.", Zone<PANzoneGouttiereColonne>, P::EcartColonnes},
      {"Gutter of the frame.", Zone<PANzoneGouttiereCadre>, P::EcartCadre},
      kRien},
     false},
    {"BoutonHauteurCadreDeux",
     &trbttxtHauteurCadreDeux,
     true,
     nullptr,
     P::Aucun,
     {{"Height of the table.", Zone<PANzoneHauteurTableau>, P::Hauteur},
      kRien,
      kRien,
      {"Thickness of the inner frame.", Zone<PANzoneEpaisseurCadreDeux>, P::CadreInterieur},
      kRien},
     true},
};

BoutonIcone::BoutonIcone(ns::Rect frame, std::size_t membre)
    : ns::View(frame), membre_(membre),
      preferences_{nullptr, kFamilleIcones[membre].zone, kFamilleIcones[membre].pictogramme}
{
    auto zone = ZoneSuivie(*this);
    *kFamilleIcones[membre].zoneSuivie = zone.get();
    addTrackingArea(std::move(zone));
}

const PageIcone* BoutonIcone::page() const
{
    if (!membre().panneau)
        return &preferences_;
    if (IndexPopup < 0 || IndexPopup > 4 || membre().pages[IndexPopup].zone == nullptr)
        return nullptr;
    return &membre().pages[IndexPopup];
}

void BoutonIcone::mouseDown(const ns::Event&)
{
    if (membre().outilRequis && !OutilSelectionne)
        return;
    if (const PageIcone* p = page())
        if (ns::TextField* zone = p->zone())
            zone->selectText(nullptr);
}

void BoutonIcone::mouseExited(const ns::Event&)
{
    ns::Cursor::arrowCursor().set();
}

void BoutonIcone::mouseEntered(const ns::Event&)
{
    if (!membre().outilRequis || OutilSelectionne)
        ns::Cursor::pointingHandCursor().set();
    suitLaPage();
}

void BoutonIcone::suitLaPage()
{
    if (membre().panneau) {
        const PageIcone* p = page();
        setToolTip(p != nullptr && p->bulle != nullptr ? p->bulle : "");
    }
    display();
}

void BoutonIcone::drawRect(const ns::Rect&)
{
    const PageIcone* p = page();
    if (p == nullptr)
        return;
    DessinePictogramme(p->pictogramme, membre().panneau ? PaletteDuPanneau(InterfaceSombre, OutilSelectionne)
                                                        : PaletteDesPreferences());
}
