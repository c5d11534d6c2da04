// The tool's sounds, from the bundle's resources.
#pragma once

#include <cstdint>

// 9000 "Pop.aiff", 9002 "Bruit.aiff", anything else "Tink.aiff". A file that cannot be
// loaded plays nothing.
void Sonorise(uint16_t code);
