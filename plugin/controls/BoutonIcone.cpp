#include "BoutonIcone.h"

#include "BoutonLabel.h"
#include "Reglages.h"
#include "ThemeInterface.h"

#include "Cursor.h"

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
    Preferences("BoutonNbrLigPrefs", &trbttxtnbrligprefs, Zone<GpreZoneNombreLignes>, P::NombreLignes),
    Preferences("BoutonNbrColPrefs", &trbttxtnbrcolprefs, Zone<GpreZoneNombreColonnes>, P::NombreColonnes),
    Preferences("BoutonEpaisseurLignesPrefs", &trbttxtepaisligprefs, Zone<GpreZoneEpaisseurLignes>, P::TraitLignes),
    Preferences("BoutonEpaisseurColonnesPrefs", &trbttxtepaiscolprefs, Zone<GpreZoneEpaisseurColonnes>,
                P::TraitColonnes),
    Preferences("BoutonGouttiereLignesPrefs", &trbttxtgouttiereligprefs, Zone<GpreZoneGouttiereLigne>,
                P::EcartLignes),
    Preferences("BoutonGouttiereColonnesPrefs", &trbttxtgouttierecolprefs, Zone<GpreZoneGouttiereColonne>,
                P::EcartColonnes),
    Preferences("BoutonCadrePrefs", &trbttxtcadreprefs, Zone<GpreZoneEpaisseurCadre>, P::CadreExterieur),
    Preferences("BoutonCadreDeuxPrefs", &trbttxtcadredeuxprefs, Zone<GpreZoneEpaisseurCadreDeux>, P::CadreInterieur),
    Preferences("BoutonGouttiereCadrePrefs", &trbttxtgouttierecadreprefs, Zone<GpreZoneGouttiereCadre>,
                P::EcartCadre),
    {"BoutonPosXNbrLigNbrCol",
     &trbttxtposxnbrlignbrcol,
     true,
     nullptr,
     P::Aucun,
     {{"X position of the table.", Zone<GzonePositionX>, P::Abscisse},
      {"Number of rows.", Zone<GzoneNbrLignes>, P::NombreLignes},
      {"Number of columns.", Zone<GzoneNbrColonnes>, P::NombreColonnes},
      kRien,
      kRien},
     false},
    {"BoutonEpaisseurLigColCad",
     &trbttxtepaisseurligcolcad,
     true,
     nullptr,
     P::Aucun,
     {{"Length of the table.", Zone<GzoneLongueurTableau>, P::Longueur},
      {"Thickness of the lines.", Zone<GzoneEpaisseurLignes>, P::TraitLignes},
      {"Thickness of the columns.", Zone<GzoneEpaisseurColonnes>, P::TraitColonnes},
      {"Thickness of the outer frame.", Zone<GzoneEpaisseurCadre>, P::CadreExterieur},
      kRien},
     false},
    {"BoutonGouttiereLigColCad",
     &trbttxtgouttiereligcolcad,
     true,
     nullptr,
     P::Aucun,
     {{"Y position of the table.", Zone<GzonePositionY>, P::Ordonnee},
      {"Gutter between rows.", Zone<GzoneGouttiereLigne>, P::EcartLignes},
      {"Gutter between columns.", Zone<GzoneGouttiereColonne>, P::EcartColonnes},
      {"Gutter of the frame.", Zone<GzoneGouttiereCadre>, P::EcartCadre},
      kRien},
     false},
    {"BoutonHauteurCadreDeux",
     &trbttxtHauteurCadreDeux,
     true,
     nullptr,
     P::Aucun,
     {{"Height of the table.", Zone<GzoneHauteurTableau>, P::Hauteur},
      kRien,
      kRien,
      {"Thickness of the inner frame.", Zone<GzoneEpaisseurCadreDeux>, P::CadreInterieur},
      kRien},
     true},
};

BoutonIcone::BoutonIcone(ns::Rect frame, std::size_t membre)
    : ns::View(frame), membre_(membre),
      preferences_{nullptr, kFamilleIcones[membre].zone, kFamilleIcones[membre].pictogramme}
{
    auto zone = ZoneSuivieEditeur(*this);
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
