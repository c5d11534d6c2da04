#include "BoutonToutesGlissieres.h"

#include "BoutonLabel.h"
#include "ZoneSuivie.h"

#include "Cursor.h"

ns::TrackingArea* toutesGlis = nullptr;

BoutonToutesGlissieres::BoutonToutesGlissieres(ns::Rect frame) : ns::View(frame)
{
    auto zone = ZoneSuivieEditeur(*this);
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
