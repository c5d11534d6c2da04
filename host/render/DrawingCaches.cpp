#include "DrawingCaches.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

namespace host::render {

void releaseDrawingCaches()
{
    // Cairo's caches hold fontconfig's patterns: they go first.
    cairo_debug_reset_static_data();
    FcFini();
}

} // namespace host::render
