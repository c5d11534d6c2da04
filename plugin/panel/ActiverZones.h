// The panel's controls put in the state that fits the page shown and whether the Table Tool
// is selected: the page's controls shown, the others hidden and disabled; `actif` decides
// whether the top bar, the position and size fields, the colour controls and the name and
// type-size fields may be edited. The rows' and columns' fields follow no flag; the frame's
// follow its switch (ActiveSelonLesOptions).
#pragma once

#include <cstdint>

// 1 while the Table Tool is selected, 0 otherwise. Always 0.
int32_t ActiverZones(uint8_t actif);

// What the switches and the frame gutter decide, on the page shown, whichever path led here
// (a page switch, a switch, a gutter, the Varo button, the tool selected or not): on the
// frame page, the frame's thickness and gutter enabled exactly while the frame is on, its
// inner thickness while it is on with a gutter and `actif`, its colour fields and sliders
// while it is on and `actif`; on the text page, the font pop-up and the type size enabled
// exactly while the title or the cell text is on.
void ActiveSelonLesOptions(bool actif);
