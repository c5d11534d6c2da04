// What cairo and fontconfig keep for the life of the process once a PNG has drawn text.
#pragma once

namespace host::render {

// Gives back the font caches that cairo and fontconfig hold until the process ends, so that
// a leak checker finds nothing left at exit. Call it once, after the last export and the last
// use of fontconfig (the font list included); drawing again afterwards works but rebuilds
// the caches.
void releaseDrawingCaches();

} // namespace host::render
