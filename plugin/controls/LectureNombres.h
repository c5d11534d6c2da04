// How every numeric field of the panel, the colour editor and the preferences dialog reads
// its text: blanks, a sign, digits with a decimal comma or point (an exponent after them is
// read too), then, in a length or point field, a unit: mm, cm, in, pt or pi, with or without
// a space before it, in any letter case. Numbers are read in double precision, so that what
// a field shows reads back to what is stored.
#pragma once

#include "Control.h"

#include <optional>
#include <string>
#include <string_view>

// A unit a length or point field may name after its number: what it is in points, and the
// steps the length step buttons and arrows take in it (tenths of the unit, so that each step
// lands on a decimal exactly: without and with Shift).
struct Unite {
    const char* nom;
    double points;
    int pasDixiemes, pasMajusculeDixiemes;
};
// Points per millimetre: 72 / 25.4 as single precision holds it, used as a double by every
// conversion of the panel.
constexpr double kPointsParMillimetre = 2.8346457481384277;
// mm, cm, in, pt, pi.
extern const Unite kUnites[5];
extern const Unite& kMillimetres;
extern const Unite& kPointsTypo;

// A text's leading number and what follows it.
struct NombreEcrit {
    bool present = false;   // a number leads the text (one a double holds: "1e999" is none)
    double valeur = 0;      // 0 without one
    std::string_view suite; // what follows it, without blanks on either side
};
NombreEcrit LitNombre(std::string_view texte);

// A plain field's number (a colour channel): the leading number, whatever follows; 0 when
// the text holds none.
double ValeurDuTexte(std::string_view texte);
// The decimal value of the control's text, the same way; 0 without a control.
double RecupereValeurDecimale(const ns::Control* controle);

// What a length, point or count field makes of its text: the value, or why it refuses it
// (for the person, quoting the text).
struct Lecture {
    std::optional<double> valeur; // in the field's own unit
    double points = 0;            // a length's or point value's, from the unit written
    const Unite* unite = nullptr; // the unit written, else the field's own (null for a count)
    std::string refus;
};
// A length or point value, in the field's own unit (millimetres or points), converted from
// the unit written after the number. Refused: a text without a number, a word after it that
// is no unit, a value past what a double holds once converted.
Lecture LitMesure(std::string_view texte, const Unite& uniteDuChamp);
// A count of rows or columns: a number and nothing after it, its fraction dropped ("3.7"
// gives 3) and saturated to 32 bits. Refused: a text without a number, or with more after it.
Lecture LitCompte(std::string_view texte);
