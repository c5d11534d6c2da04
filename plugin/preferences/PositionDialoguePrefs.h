// Where the preferences dialog opens: set when the panel's controller wakes, then kept while
// the host runs (never stored), and the flag that lets its moves be recorded while it is the
// main window. The dialog's window delegate keeps them.
#pragma once

#include "Object.h"
#include "Window.h"

#include <cstdint>

extern ns::Rect PositionDialoguePrefs;
extern uint8_t OkMovePrefs;

// The dialog's delegate: when the dialog becomes the main window it is put where it was left,
// OK becomes its default button (Return), and its moves are recorded until it is main no more.
class DelegatePositionDialoguePrefsTableau : public ns::Object, public ns::WindowDelegate {
public:
    void windowDidBecomeMain(ns::Window& fenetre) override;
    void windowDidResignMain(ns::Window& fenetre) override;
    void windowDidMove(ns::Window& fenetre) override;
};
