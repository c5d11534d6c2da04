// The display server's errors that are no fault of the session's: a request that reached a
// window already destroyed (SDL may send to a window it has just closed, under load). Such an
// error is said on standard error and the session goes on; any other ends it, as the display
// library's own handler ends it.
#pragma once

namespace ns::platform {

// Installs the handler over the one in place (which still hears every other error). Nothing
// where the display is no X server.
void toleratedGoneWindows();

} // namespace ns::platform
