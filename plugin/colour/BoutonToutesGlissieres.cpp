#include "BoutonToutesGlissieres.h"

#include "BoutonLabel.h"
#include "ClasseDeControle.h"
#include "ZoneSuivie.h"

#include "Cursor.h"

// The registry checks the interface file makes it of this class.
template bool EstDeClasse<BoutonToutesGlissieres>(ns::Object&);

ns::TrackingArea* toutesGlis = nullptr;

BoutonToutesGlissieres::BoutonToutesGlissieres(ns::Rect frame) : ns::View(frame)
{
    auto zone = ZoneSuivie(*this);
    toutesGlis = zone.get();
    addTrackingArea(std::move(zone));
}

void BoutonToutesGlissieres::mouseEntered(const ns::Event&)
{
    ns::Cursor::arrowCursor().set();
}

void BoutonToutesGlissieres::mouseMoved(const ns::Event&)
{
    ns::Cursor::arrowCursor().set();
}
