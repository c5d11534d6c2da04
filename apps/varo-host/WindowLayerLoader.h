// The platform layer of a session with a window, loaded from its module beside the host's
// libraries (lib/ next to bin/), or wherever the dynamic loader finds it.
#pragma once

#include "WindowLayer.h"

#include <memory>
#include <string>

namespace script {

// The layer, its display opened at `scale`; null with the reason when the module cannot be
// loaded or has no entry, or when the display cannot be opened.
std::unique_ptr<ns::platform::WindowLayer> loadWindowLayer(double scale, std::string& reason);

} // namespace script
