#include "PositionDialoguePrefs.h"

#include "Miroirs.h"

ns::Rect PositionDialoguePrefs;
uint8_t OkMovePrefs = 0;

void DelegatePositionDialoguePrefsTableau::windowDidBecomeMain(ns::Window& fenetre)
{
    fenetre.setFrame(PositionDialoguePrefs, true, true);
    if (GpreOKbouton != nullptr) {
        fenetre.setDefaultButtonCell(GpreOKbouton);
        GpreOKbouton->setKeyEquivalent("\r");
    }
    OkMovePrefs = 1;
}

void DelegatePositionDialoguePrefsTableau::windowDidResignMain(ns::Window&)
{
    OkMovePrefs = 0;
}

void DelegatePositionDialoguePrefsTableau::windowDidMove(ns::Window& fenetre)
{
    if (OkMovePrefs == 1)
        PositionDialoguePrefs = fenetre.frame();
}
