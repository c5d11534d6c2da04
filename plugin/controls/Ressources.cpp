#include "Ressources.h"

const char* const kIdentifiantBundle = "fr.varo-tools.VaroTable";
