// The script commands of varo-host: each checked in full before any of a run is done, then
// carried out in order against the host.
#pragma once

#include "ScriptReader.h"

#include <ostream>
#include <string>
#include <vector>

namespace host {
class Host;
}

namespace script {

// Empty when the line is a command the host understands with the words it needs; the
// reason otherwise.
std::string check(const Line& line);

// Carries the line out. Output meant for the reader (print) goes to `out`.
void run(const Line& line, host::Host& host, std::ostream& out);

// One line per command, for --help and the README.
std::string usage();

} // namespace script
