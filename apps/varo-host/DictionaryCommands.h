// `print dictionary X Y`: what plug-ins keep on the object a click of the selection tool at
// (X, Y) would pick, an entry a line in key order, `KEY = VALUE (KIND)`: the key escaped as in
// C, a whole number, true or false, a real in its shortest exact form, a text quoted and
// escaped as in C; KIND is integer, boolean, real or string. `no dictionary` when the object
// keeps none; nothing there is a warning.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace host {
class Host;
namespace doc {
class Dictionary;
}
}

namespace script {

// The entries, a line each.
std::string dictionaryLines(const host::doc::Dictionary& dictionary);

std::string checkPrintDictionary(const std::vector<std::string>& w);
void printDictionary(host::Host& h, std::ostream& out, const std::vector<std::string>& w);

} // namespace script
