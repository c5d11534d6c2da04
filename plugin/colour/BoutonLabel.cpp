#include "BoutonLabel.h"

#include "ClasseDeControle.h"
#include "ControlesEditeur.h"
#include "Reglages.h"
#include "ZoneSuivie.h"

#include "Cursor.h"

// The registry checks the interface file makes it of this class.
template bool EstDeClasse<BoutonLabel>(ns::Object&);

ns::TrackingArea* labelGRC = nullptr;
ns::TrackingArea* labelVM = nullptr;
ns::TrackingArea* labelBJ = nullptr;
ns::TrackingArea* labelN = nullptr;

namespace {

ns::TrackingArea** const kZonesSuivies[kNombreRangees] = {&labelGRC, &labelVM, &labelBJ, &labelN};

} // namespace

BoutonLabel::BoutonLabel(ns::Rect frame, int rangee) : ns::View(frame), rangee_(rangee)
{
    auto zone = ZoneSuivie(*this);
    if (rangee >= 1 && rangee <= kNombreRangees)
        *kZonesSuivies[rangee - 1] = zone.get();
    addTrackingArea(std::move(zone));
}

void BoutonLabel::mouseDown(const ns::Event&)
{
    if (!OutilSelectionne || IndexPopup < 1 || IndexPopup > 4)
        return;
    const int32_t type = JeuxCouleurs[IndexPopup - 1].TypeCouleur;
    if (type < TypeGris || type > TypeCMJN || rangee_ > kDispositions[type].nombreCanaux)
        return;
    if (ns::TextField* zone = kControlesCanaux[kDispositions[type].premierCanal + rangee_ - 1].zone())
        zone->selectText(nullptr);
}

void BoutonLabel::mouseEntered(const ns::Event&)
{
    ns::Cursor::pointingHandCursor().set();
}

void BoutonLabel::mouseMoved(const ns::Event&)
{
    ns::Cursor::pointingHandCursor().set();
}

void BoutonLabel::mouseExited(const ns::Event&)
{
    ns::Cursor::arrowCursor().set();
}
