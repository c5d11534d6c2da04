// The actions of the panel's numeric fields and step buttons, by their selectors in the
// interface file ("PANzonePositionXCBP:", "PANstepPlusNbrLignesCBP:" ...): each reads its own
// field, writes its setting, rewrites the field as it should read and asks for the table to
// be rebuilt.
#pragma once

#include "Object.h"

#include <string>
#include <string_view>

// Whether `selecteur` is one of them.
bool EstActionDeChamp(std::string_view selecteur);
// Performs it, with the control that sent it: false when it is none of them. `majuscule`: the
// Shift key is down in the event being handled (the length step buttons then take their
// larger steps).
bool ActionDeChamp(std::string_view selecteur, ns::Object* expediteur, bool majuscule);

// The step buttons of position and size, on a field's text: the unit found in it fixes the
// step (Shift: the larger one), the suffix and the conversion to points. `sens` -1 for the
// minus button, +1 for the plus one.
struct PasLongueur {
    std::string texte; // what the field shows after the step
    double points;     // what the setting becomes
};
PasLongueur PasDeLongueur(std::string_view texte, int sens, bool majuscule);
// The step buttons' rule on a value v, with a step of `dixiemes` tenths: the minus button
// goes to the largest multiple of the step below v, the plus button to the smallest above it.
double PasMultiple(double v, int sens, int dixiemes);
