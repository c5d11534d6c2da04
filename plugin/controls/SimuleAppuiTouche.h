// The rebuild request of every change made in the panel. The construction runs only inside a
// host tool message, so the panel marks the rebuild as pending and posts a key that types
// nothing (fn): the host answers that input event with a cursor-tracking message to the
// tool, which rebuilds the current table once, however many requests came before it.
#pragma once

void SimuleAppuiToucheFn();
