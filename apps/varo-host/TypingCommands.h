// The script commands of the Type tool and the pasteboard: a frame's text replaced as a person
// types it, the keys and text typed into the frame being typed into, the pasteboard set, and
// what they hold printed.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace host {
class Host;
}

namespace script::typing {

using Words = std::vector<std::string>;

// Each check answers empty when the arguments are good, the reason otherwise.
// `edit-text X Y "TEXT"`: as a click there with the Type tool, Ctrl+A, TEXT typed (or Delete
// for an empty one) and Return: one "Typing" step when the text changed; a warning when no
// text frame is there.
std::string checkEditText(const Words& w);
void editText(const Words& w, host::Host& h);
// `print text X Y`: `text "TEXT"`, or `no text at (X, Y)`.
std::string checkPrintText(const Words& w);
void printText(host::Host& h, std::ostream& out, const Words& w);
// `type-key NAME [shift] [command]`: a key to the text being typed into, as the artboard hands
// it: Return, Tab, Escape, Delete (Backspace), ForwardDelete, Left, Right, Up, Down, Home,
// End, or one character (with command, a shortcut).
std::string checkTypeKey(const Words& w);
void typeKey(const Words& w, host::Host& h);
// `type-text "TEXT"`: TEXT typed into it, a character at a time, as the platform hands typed
// text over.
std::string checkTypeText(const Words& w);
void typeText(const Words& w, host::Host& h);
// `print typing`: `typing before "…" selected "…" after "…"`, or `nothing typed into`.
void printTyping(host::Host& h, std::ostream& out);

// `clipboard "TEXT"`: the general pasteboard holds TEXT.
std::string checkClipboard(const Words& w);
void setClipboard(const Words& w, host::Host& h);
// `print clipboard`: `clipboard "TEXT"`, or `clipboard empty`.
void printClipboard(host::Host& h, std::ostream& out);

} // namespace script::typing
