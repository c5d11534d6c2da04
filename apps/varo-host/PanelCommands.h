// The script commands that work the controls of the plug-ins' panels and dialogs through the
// toolkit's driver, picture a panel as the host shows it, and list its controls.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace host {
class Host;
}
namespace ns {
class Window;
}

namespace script::panel {

using Words = std::vector<std::string>;

// The window a control identifier names: the key window when it has a view of that
// identifier, else the first panel's window that has one, else any window of the
// application that has one; null when none has.
ns::Window* targetFor(host::Host& h, const std::string& identifier);

// Each check answers empty when the arguments are good, the reason otherwise; each command
// warns in the log when it could not be done and the run goes on.
// `click ID [shift] [command]`
std::string checkClick(const Words& w);
void click(const Words& w, host::Host& h);
// `type ID "TEXT"`
void type(const Words& w, host::Host& h);
// `key NAME [shift]`
std::string checkKey(const Words& w);
void key(const Words& w, host::Host& h);
// `choose ID INDEX`
std::string checkChoose(const Words& w);
void choose(const Words& w, host::Host& h);
// `slide ID VALUE`
std::string checkSlide(const Words& w);
void slide(const Words& w, host::Host& h);
// `snapshot panel FILE.png`: the strip of the first shown panel (else the first) its size
// shows.
void snapshotPanel(const std::string& file, host::Host& h);
// A window by its title (the first of that title), or "document" for the document window,
// drawn whole as a screen shows it: a panel under its title strip.
void snapshotWindow(const std::string& title, const std::string& file, host::Host& h);
// The pointer moved over the centre of the control (in the window that has it, as `click`
// finds it), with the button up: the window's tracking areas hear it, as a user's pointer.
void hoverControl(const std::string& identifier, host::Host& h);
// `print panel [ID...]`: one line per view with an identifier, in the view tree's order, or
// the views named, in their order.
void printPanel(host::Host& h, std::ostream& out, const Words& identifiers);
// `print place ID|"TOOL"|X Y`: where the control's centre, the tool's button in the tool
// strip, or the artwork point is on the screen, in pixels from its top-left corner, as the
// windows stand: `place NAME X Y`; for a point, `artwork AX AY` follows, the artwork point
// that pixel stands for. How a test finds where to point a real pointer.
void printPlace(host::Host& h, std::ostream& out, const Words& what);
// `print focus`: the identifier of the key window's first responder.
void printFocus(host::Host& h, std::ostream& out);

} // namespace script::panel
