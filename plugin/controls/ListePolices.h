// The font pop-ups of the panel and of the preferences dialog: the host's font list, item i
// + KPOLICE being font i. The caller selects the item.
#pragma once

#include "PopUpButton.h"

// Empties the pop-up and appends one item per font of the host's list, in its order. A
// failing host call still appends the item of its index (with the name read so far) and ends
// the list.
void RemplitListePolices(ns::PopUpButton* liste);

// Selects the item of font `numero` (item numero + KPOLICE); none when that item cannot be.
void SelectionnePolice(ns::PopUpButton* liste, int32_t numero);
