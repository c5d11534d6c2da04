#include "PositionDialoguePrefs.h"

ns::Rect PositionDialoguePrefs;
uint8_t OkMovePrefs = 0;
