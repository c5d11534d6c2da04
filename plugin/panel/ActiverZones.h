// The panel's controls enabled for the selected tool and the page shown.
#pragma once

// 1 while the Table Tool is selected, 0 otherwise.
void ActiverZones(int actif);
