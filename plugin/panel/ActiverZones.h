// The panel's controls put in the state that fits the page shown and whether the Table Tool
// is selected: the page's controls shown, the others hidden and disabled; `actif` decides
// whether the top bar, the position and size fields, the colour controls and the name and
// type-size fields may be edited. The rows', columns' and frame's fields follow no flag.
#pragma once

#include <cstdint>

// 1 while the Table Tool is selected, 0 otherwise. Always 0.
int32_t ActiverZones(uint8_t actif);
