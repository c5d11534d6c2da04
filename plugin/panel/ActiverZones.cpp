#include "ActiverZones.h"

// The panel's controls follow the tool once the panel has them; until then there is nothing
// to enable.
void ActiverZones(int) {}
