// The stored defaults: every key under the prefix "VaroTableau", read at start-up and
// written with the factory values at the very first start. Single keys are written where
// their value changes (the preferences dialog, the colour editor) with the same names.
#pragma once

#include "JeuxDeCouleurs.h"
#include "Reglages.h"

#include <string_view>

// The prefix of every key of ours.
constexpr const char* kPrefixePrefs = "VaroTableau";

// Reads the whole set into the Defaut variables, the colour sets and the options; at the
// first start (no "Son" yet) writes the factory set instead.
void LitPrefs();
// Sets every factory value into its variable and writes it.
void EcritPrefs();

// The variable := valeur, then written under its key. The host's answer is not examined.
void EcritBooleen(const char* cle, bool& variable, bool valeur);
void EcritReel(const char* cle, double& variable, double valeur);
void EcritEntier(const char* cle, int32_t& variable, int32_t valeur);

// The factory value of a stored thickness or gutter ("EpaisseurCadre" 4 ...) and of a stored
// count ("NombreLignes" 3 ...); 0 for a key that is none of them.
double ReelUsine(std::string_view cle);
constexpr double kCorpsUsine = 12;
int32_t EntierUsine(std::string_view cle);

// Writes an element's colour type ("TypeCouleursLignes" ...) or one of its channels
// ("GrisLignes" ... "NoirTexte", `canal` a row of kCanaux) as it is now. The host's answer
// is not examined.
void EcritTypeCouleur(Element element);
void EcritCanal(Element element, int canal);

// Copies a font name into one of the 256-byte name buffers, cut before a character that
// would not fit whole.
void CopieNomPolice(char (&destination)[kLongueurNomPolice], const char* source);
