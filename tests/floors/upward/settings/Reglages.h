// A setting that reaches up into the panel: what the floors forbid.
#pragma once

#include "Panneau.h"
