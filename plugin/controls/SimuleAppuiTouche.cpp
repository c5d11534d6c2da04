#include "SimuleAppuiTouche.h"

#include "Reglages.h"

#include "Event.h"
#include "KeyboardEvents.h"

void SimuleAppuiToucheFn()
{
    ns::EventRef touche = ns::EventCreateKeyboardEvent(nullptr, ns::KeyFunction, true);
    ns::EventPost(ns::SessionEventTap, touche);
    ns::Release(touche);
    DoitRedessiner = true;
}
