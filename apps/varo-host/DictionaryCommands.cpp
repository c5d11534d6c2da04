#include "DictionaryCommands.h"

#include "PointerCommands.h"

#include "Host.h"

#include <charconv>
#include <type_traits>

namespace script {

namespace {

std::string shortest(double value)
{
    char text[32];
    auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return std::string(text, error == std::errc() ? end : text);
}

} // namespace

std::string dictionaryLines(const host::doc::Dictionary& dictionary)
{
    if (dictionary.empty())
        return "no dictionary\n";
    std::string lines;
    for (const auto& [key, value] : dictionary.entries()) {
        lines += host::escapedAsInC(key) + " = ";
        lines += std::visit(
            [](const auto& held) -> std::string {
                using T = std::decay_t<decltype(held)>;
                if constexpr (std::is_same_v<T, host::doc::DictionaryText>)
                    return "\"" + host::escapedAsInC(held != nullptr ? *held : std::string()) + "\" (string)";
                else if constexpr (std::is_same_v<T, bool>)
                    return held ? "true (boolean)" : "false (boolean)";
                else if constexpr (std::is_same_v<T, int32_t>)
                    return std::to_string(held) + " (integer)";
                else
                    return shortest(held) + " (real)";
            },
            value);
        lines += '\n';
    }
    return lines;
}

std::string checkPrintDictionary(const std::vector<std::string>& w)
{
    if (w.size() != 2)
        return "\"print dictionary\" takes X Y";
    return pointer::checkCoordinates(w, 0, 2);
}

void printDictionary(host::Host& h, std::ostream& out, const std::vector<std::string>& w)
{
    const AIRealPoint at = pointer::pointAt(w, 0);
    const AIReal reach = host::Selection::kReachPixels / h.documentView().zoom();
    const AIArtHandle object = h.selection().objectAt(at, reach);
    if (object == nullptr) {
        h.log().warning("print dictionary: nothing at " + host::describeToolPoint(at, 0));
        return;
    }
    out << dictionaryLines(h.document().art(object)->dictionary);
}

} // namespace script
