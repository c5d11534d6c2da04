#include "PositionDialoguePrefs.h"

#include "Prises.h"

ns::Rect PositionDialoguePrefs;
uint8_t OkMovePrefs = 0;

void DelegatePositionDialoguePrefsTableau::windowDidBecomeMain(ns::Window& fenetre)
{
    fenetre.setFrame(PositionDialoguePrefs, true, true);
    if (auto* bouton = PREokBT()) {
        fenetre.setDefaultButtonCell(bouton);
        bouton->setKeyEquivalent("\r");
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
