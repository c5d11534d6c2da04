// The title's and the cell text's limit: 80 characters.
#pragma once

#include "Reglages.h"

#include <string_view>

// Characters (code points) of a UTF-8 text, each byte that is not UTF-8 counting as one.
size_t NombreDeCaracteres(std::string_view texte);

// The text into the setting, whole, when it has at most 80 characters; false, and the setting
// left as it was, otherwise.
bool CopieTexteTableau(char (&reglage)[kOctetsMaxTexte + 1], std::string_view texte);
