// The panel, on a floor above the settings.
#pragma once

#include "Reglages.h"
