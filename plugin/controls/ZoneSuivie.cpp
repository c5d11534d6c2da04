#include "ZoneSuivie.h"

std::unique_ptr<ns::TrackingArea> ZoneSuivie(ns::View& vue)
{
    return std::make_unique<ns::TrackingArea>(
        vue.bounds(), ns::TrackingMouseEnteredAndExited | ns::TrackingMouseMoved | ns::TrackingActiveInKeyWindow, &vue);
}
