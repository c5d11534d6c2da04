// The display server's errors that are no fault of the session's: a request that reached a
// window the session destroyed (SDL may send to a window it has just closed, under load). Such
// an error is said on standard error and the session goes on; any other, one about a window
// that was never ours to close included, ends it, as the display library's own handler ends it.
#pragma once

namespace ns::platform {

// Installs the handler over the one in place (which still hears every other error). Nothing
// where the display is no X server.
void toleratedGoneWindows();
// The display's id of a window the session destroys: errors about it are tolerated from now on
// (the last few hundred such ids are kept).
void windowGone(unsigned long id);

} // namespace ns::platform
