// Lists of the paths of one element (row rules, column rules, frame), one record per path.
// A list always ends with a tail record whose successor is null and whose art is not yet
// set. The records are the plug-in's, drawn from a pool that lives as long as it does.
#pragma once

#include "sdk/ASTypes.h"

struct ElementLie {
    ElementLie* suivant; // null at the tail
    AIArtHandle art;
};

extern ElementLie* PtrPremierLigneLiee;
extern ElementLie* PtrPremierColonneLiee;
extern ElementLie* PtrPremierCadreLie;

// A new tail record, or null when memory ran out.
ElementLie* NouvelElementLie();
// Frees every record of the list but its tail, which becomes the head. A null head gets a
// new tail record. False when memory ran out.
bool RameneAQueue(ElementLie*& tete);
// The record after `courant`, a new tail linked in first when `courant` is the tail. Null
// when memory ran out.
ElementLie* SuivantOuNouveau(ElementLie* courant);
