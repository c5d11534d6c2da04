// The preferences dialog: the default values, edited in provisional copies and stored by OK.
#pragma once

#include "Object.h"

#include <string_view>

// Filled from the provisional copies, when the panel's controller wakes and at each Cancel.
void PREinitDialogue();

// The font, the sound and tool-group boxes, OK (the defaults stored), Cancel (the dialog
// loaded again from them), "By default" (the factory values into the dialog).
void PREnomsPolicesCBP(ns::Object* expediteur);
void PREsonCBP(ns::Object* expediteur);
void PREoutilGroupeCBP(ns::Object* expediteur);
void PREok(ns::Object* expediteur);
void PREannuler(ns::Object* expediteur);
void PREdefaut(ns::Object* expediteur);

// Whether `selecteur` is one of the dialog's actions: those above and its fields' commits
// ("PREnombreLignesCBP:", "PREepaisseurLignesCBP:", "PREzoneGouttiereCadreCBP:",
// "PREcorpsCBP:" ...), each reading its own field into its provisional value, a count kept
// within what the store takes back, a gutter's commit also asking for a redraw. Runs it:
// false when it is none.
bool EstActionDesPreferences(std::string_view selecteur);
bool ActionDesPreferences(std::string_view selecteur, ns::Object* expediteur);
