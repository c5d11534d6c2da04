// The commit of a numeric field, in the panel and in the preferences dialog alike: the text
// read as its kind of field reads it, the value stored, and the field showing what is stored.
// A text the field cannot take is refused: nothing is stored, the field shows the stored value
// again, and the person is told why in the host's alert.
#pragma once

#include "TextField.h"

#include <cstdint>
#include <limits>
#include <string>

// What a field holds, which fixes how it reads and writes its text.
enum class GenreChamp {
    Longueur, // a position or a size: millimetres shown, points stored; a unit may be written
    Points,   // a thickness or a gutter: points; a unit may be written
    TailleTexte, // the type size: points, as a thickness, from kCorpsMinimum to kCorpsMaximum
    Compte,   // a count of rows or columns: a whole number, kept between its bounds
};

struct ChampNumerique {
    GenreChamp genre;
    double* reel = nullptr;    // where a length or a point value is stored (points)
    int32_t* compte = nullptr; // where a count is stored
    // A count beyond them is stored as the nearest of the two, and shown so.
    int32_t minimum = std::numeric_limits<int32_t>::min();
    int32_t maximum = std::numeric_limits<int32_t>::max();
};

// The field shows the stored value, as the field's kind writes it.
void AfficheChamp(ns::TextField* zone, const ChampNumerique& champ);
// Reads the field and stores its value: true. False when the text is refused (the field shows
// the stored value again, the person was told) or there is no field.
bool ValideChamp(ns::TextField* zone, const ChampNumerique& champ);

// Tells the person, through the host's modal alert.
void PrevientUtilisateur(const std::string& message);
