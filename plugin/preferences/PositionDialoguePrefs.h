// Where the preferences dialog opens: set when the panel's controller wakes, then kept while
// the host runs (never stored), and the flag that lets its moves be recorded while it is the
// main window.
#pragma once

#include "Geometry.h"

#include <cstdint>

extern ns::Rect PositionDialoguePrefs;
extern uint8_t OkMovePrefs;
