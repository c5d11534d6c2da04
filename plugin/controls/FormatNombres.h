// How every numeric field of the panel, the colour editor and the preferences dialog writes
// its number: in fixed notation (never an exponent), two decimals at most with the trailing
// zeros and separator dropped, never "-0", then its unit, in the user's decimal separator.
#pragma once

#include "LectureNombres.h"
#include "TextField.h"

#include <cstdint>
#include <string>

// The value with two decimals at most: 3.2, 10, 0, -12.5, 1000000.
std::string TexteNombre(double valeur);
// Every "." made the user's separator, VirguleOuPoint, when that is a comma.
std::string AvecSeparateur(std::string texte);
// The value, a space and the unit's name, in the user's separator: "1.3 in".
std::string TexteMesure(double valeur, const Unite& unite);

// A length in points, as millimetres: "25.4 mm".
std::string TexteMillimetres(double points);
void AfficheMillimetres(ns::TextField* zone, double points);
// A value in points: "3.2 pt".
std::string TextePoints(double points);
void AffichePoints(ns::TextField* zone, double points);
// A count: "3", "1000000".
std::string TexteCompte(int32_t compte);
void AfficheCompte(ns::TextField* zone, int32_t compte);
