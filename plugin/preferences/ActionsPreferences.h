// The preferences dialog's field commits, by their selectors in the interface file
// ("PREnombreLignesCBP:", "PREepaisseurLignesCBP:", "PREzoneGouttiereCadreCBP:",
// "PREcorpsCBP:" ...): each reads its own field into its provisional value. Counts are whole
// numbers saturated to 32 bits; points are read with a comma or a point (a text with no
// number, or one that single precision cannot hold, is 0) and written back as "3.2 pt"; a
// gutter's commit also asks for a redraw.
#pragma once

#include <string_view>

class TableauDialogue;

bool EstActionDePreferences(std::string_view selecteur);
// Performs it: false when it is none of them.
bool ActionDePreferences(TableauDialogue& dialogue, std::string_view selecteur);
