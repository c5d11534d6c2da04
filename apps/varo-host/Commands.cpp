#include "Commands.h"

#include "Application.h"
#include "Window.h"

#include "Host.h"
#include "sdk/AINotifier.h"
#include "Numbers.h"
#include "DictionaryCommands.h"
#include "DocumentCommands.h"
#include "PanelCommands.h"
#include "PointerCommands.h"
#include "Pdf.h"
#include "Png.h"
#include "Svg.h"
#include "Tree.h"
#include "document/Unicode.h"
#include "TypingCommands.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <cstdint>
#include <functional>
#include <optional>
#include <type_traits>
#include <variant>

namespace script {

namespace {

using Words = std::vector<std::string>;

// A result code written as four characters in single quotes ('NOPE') or as a number.
std::optional<ASErr> parseCode(const std::string& text)
{
    if (text.size() == 6 && text.front() == '\'' && text.back() == '\'')
        return AS_FOUR_CHAR(text[1], text[2], text[3], text[4]);
    ASErr value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// SECONDS (maybe negative) or +SECONDS (digits only after the sign), within 64 bits.
std::optional<ai_int64> parseSeconds(const std::string& text)
{
    ai_int64 value = 0;
    const bool onward = !text.empty() && text[0] == '+';
    const char* begin = text.data() + (onward ? 1 : 0);
    if (onward && (begin == text.data() + text.size() || *begin < '0' || *begin > '9'))
        return std::nullopt;
    auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || begin == text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> parseScale(const std::string& text)
{
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool endsWith(const std::string& text, std::string_view end)
{
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// `save FILE.svg` or `save FILE.png [SCALE]`.
std::string checkSave(const std::vector<std::string>& w)
{
    if (endsWith(w[0], ".svg") || endsWith(w[0], ".pdf"))
        return w.size() == 1 ? std::string() : "an SVG or PDF file takes no scale";
    if (!endsWith(w[0], ".png"))
        return "cannot save as \"" + w[0] + "\" (FILE.svg, FILE.pdf or FILE.png)";
    if (w.size() == 1)
        return {};
    const auto scale = parseScale(w[1]);
    if (!scale)
        return "\"" + w[1] + "\" is not a scale";
    return host::render::checkPngScale(*scale);
}

void save(const std::vector<std::string>& w, host::Host& h)
{
    // What a field shows is what is saved.
    h.commitTypedFields();
    const bool drawing = endsWith(w[0], ".svg");
    const std::string reason = drawing                ? host::render::saveSvg(h.document(), h.fonts(), w[0])
                               : endsWith(w[0], ".pdf") ? host::render::savePdf(h.document(), h.fonts(), w[0])
                                                        : host::render::savePng(h.document(), h.fonts(), w[0],
                                                                                w.size() > 1 ? *parseScale(w[1]) : 1);
    if (!reason.empty())
        h.log().warning(reason);
    else if (drawing) // a picture or a PDF is an export: the drawing is saved only as SVG
        h.markSaved();
}

// Every stored preference, sorted: `PREFIX/KEY KIND VALUE` (the host's own keys without a
// prefix), reals in their shortest exact form, strings quoted.
void printPreferences(host::Host& h, std::ostream& out)
{
    for (const auto& entry : h.preferences().entries()) {
        out << (entry.prefix.empty() ? "" : entry.prefix + "/") << entry.key << ' '
            << host::preferenceKindName(*entry.value) << ' ';
        std::visit(
            [&](const auto& value) {
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, bool>)
                    out << (value ? "true" : "false");
                else if constexpr (std::is_same_v<T, std::string>)
                    out << '"' << host::escapedAsInC(value) << '"';
                else {
                    char text[32];
                    auto [end, error] = std::to_chars(text, text + sizeof text, value);
                    out << std::string_view(text, error == std::errc() ? end - text : 0);
                }
            },
            *entry.value);
        out << '\n';
    }
}

// One line per panel, in the order made: `panel "ID" "TITLE" shown yes|no size WxH icon BYTES
// flyout ITEMS`, ITEMS being `none` (no flyout menu), `empty`, or the items in order, comma
// separated, each `ID "TEXT" enabled|disabled` or `ID separator`.
void printPanels(host::Host& h, std::ostream& out)
{
    for (const auto& panel : h.panels().all()) {
        out << "panel \"" << host::escapedAsInC(panel->identifier) << "\" \"" << host::escapedAsInC(panel->title)
            << "\" shown " << (panel->shown ? "yes" : "no") << " size " << host::render::formatNumber(panel->size.width)
            << 'x' << host::render::formatNumber(panel->size.height) << " icon " << panel->icon.size() << " flyout";
        const host::FlyoutMenu* menu = h.panels().findMenu(panel->flyoutMenu);
        if (menu == nullptr)
            out << " none";
        else if (menu->items.empty())
            out << " empty";
        for (size_t i = 0; menu != nullptr && i < menu->items.size(); ++i) {
            const host::FlyoutItem& item = menu->items[i];
            out << (i == 0 ? " " : ", ") << item.id;
            if (item.separator)
                out << " separator";
            else
                out << " \"" << host::escapedAsInC(item.text) << "\" " << (item.enabled ? "enabled" : "disabled");
        }
        out << '\n';
    }
}

// A flyout item's identifier: a whole number, digits only.
std::optional<ai_uint32> parseItem(const std::string& text)
{
    ai_uint32 value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// What `print` can print; some take more words (the identifiers of the controls to list, a
// place, a text's or a dictionary's point), which `checkSome`, when there is one, checks.
struct Printable {
    const char* name;
    void (*print)(host::Host& h, std::ostream& out);
    void (*printSome)(host::Host& h, std::ostream& out, const Words& identifiers) = nullptr;
    // The words after the name, when they must be checked: empty when they are good.
    std::string (*checkSome)(const Words& words) = nullptr;
};
const Printable kPrintables[] = {
    {"log",
     [](host::Host& h, std::ostream& out) {
         for (const auto& line : h.log().takeUnread())
             out << line << '\n';
     }},
    {"tree", [](host::Host& h, std::ostream& out) { out << host::render::treeOf(h.document(), h.fonts()); }},
    {"prefs", printPreferences},
    {"panels", printPanels},
    {"cursor", pointer::printCursor},
    {"panel", [](host::Host& h, std::ostream& out) { panel::printPanel(h, out, {}); }, panel::printPanel},
    {"focus", panel::printFocus},
    {"alert",
     [](host::Host& h, std::ostream& out) {
         const auto& alert = h.log().lastAlert();
         out << (alert ? "alert: \"" + host::escapedAsInC(*alert) + "\"" : std::string("no alert")) << '\n';
     }},
    {"place", [](host::Host& h, std::ostream&) { h.log().warning("print place: name a control, a tool or a point X Y"); },
     panel::printPlace},
    {"undo", script::printHistory},
    {"selection", script::printSelection},
    {"modified",
     [](host::Host& h, std::ostream& out) { out << "modified: " << (h.document().modified() ? "yes" : "no") << '\n'; }},
    {"text", nullptr, typing::printText, typing::checkPrintText},
    {"typing", typing::printTyping},
    {"clipboard", typing::printClipboard},
    {"dictionary", nullptr, script::printDictionary, script::checkPrintDictionary},
};

const Printable* printable(const std::string& name)
{
    for (const Printable& p : kPrintables)
        if (name == p.name)
            return &p;
    return nullptr;
}

// "log, tree, ...": what print can print, for its error message.
std::string printableNames()
{
    std::string names;
    for (const Printable& p : kPrintables)
        names += (names.empty() ? "" : ", ") + std::string(p.name);
    return names;
}

struct Command {
    const char* name;
    const char* arguments; // for messages and usage
    size_t least;
    size_t most;
    std::function<std::string(const Words&)> check; // extra checks of the arguments
    std::function<void(const Words&, host::Host&, std::ostream&)> run;
    // Whether it may come while a dialog runs modally: a modal run takes the input of its own
    // window only, and nothing quits, starts or unloads under it.
    bool duringModal = true;
};

void warnIfAny(host::Host& h, const std::string& reason)
{
    if (!reason.empty())
        h.log().warning(reason);
}

std::string noCheck(const Words&)
{
    return {};
}

// A file a dialog is answered with: a name in UTF-8, as a plug-in is given it.
std::string checkFileAnswer(const Words& w)
{
    if (w[0].empty())
        return "no file named";
    return host::doc::isUtf8(w[0]) ? std::string() : "\"" + host::escapedAsInC(w[0]) + "\" is not a file name in UTF-8";
}

// `import-cells FILE`, `export-cells FILE`: FILE answers the next file dialog, then the menu
// item of that title is chosen as `menu` chooses it; an answer no dialog took is dropped.
void chooseWithFile(host::Host& h, const std::string& command, const std::string& file, const std::string& title)
{
    h.fileDialogs().answerNext(file);
    warnIfAny(h, h.menus().chooseTitled(title));
    h.fileDialogs().dropUnused(command);
}

const std::vector<Command>& commands()
{
    static const std::vector<Command> table = {
        {"launch", "", 0, 0, noCheck, [](const Words&, host::Host& h, std::ostream&) { h.launch(); }, false},
        {"quit", "", 0, 0, noCheck, [](const Words&, host::Host& h, std::ostream&) { h.quit(); }, false},
        {"message", "CALLER SELECTOR", 2, 2, noCheck,
         [](const Words& w, host::Host& h, std::ostream&) { h.sendPlain(w[0], w[1]); }, false},
        {"unload", "", 0, 0, noCheck, [](const Words&, host::Host& h, std::ostream&) { h.unload(); }, false},
        {"reload", "", 0, 0, noCheck, [](const Words&, host::Host& h, std::ostream&) { h.reload(); }, false},
        {"print",
         "log|tree|prefs|panels|cursor|panel [ID...]|focus|alert|place ID|\"TOOL\"|X Y|undo|selection|modified|text X "
         "Y|typing|clipboard|dictionary X Y",
         1, SIZE_MAX,
         [](const Words& w) {
             const Printable* p = printable(w[0]);
             if (p == nullptr)
                 return "cannot print \"" + w[0] + "\" (" + printableNames() + ")";
             if (p->checkSome != nullptr)
                 return p->checkSome(Words(w.begin() + 1, w.end()));
             if (w.size() > 1 && p->printSome == nullptr)
                 return "\"print " + w[0] + "\" takes nothing more";
             return std::string();
         },
         [](const Words& w, host::Host& h, std::ostream& out) {
             const Printable* p = printable(w[0]);
             if (w.size() > 1)
                 p->printSome(h, out, Words(w.begin() + 1, w.end()));
             else
                 p->print(h, out);
         }},
        {"tool", "\"TITLE\"", 1, 1, noCheck,
         [](const Words& w, host::Host& h, std::ostream&) {
             if (host::Tool* tool = h.tools().withTitle(w[0]))
                 h.tools().select(*tool);
             else
                 h.log().warning("no tool \"" + w[0] + "\"");
         }, false},
        {"menu", "\"TITLE\"", 1, 1, noCheck,
         [](const Words& w, host::Host& h, std::ostream&) { warnIfAny(h, h.menus().chooseTitled(w[0])); }, false},
        {"import-cells", "FILE", 1, 1, checkFileAnswer,
         [](const Words& w, host::Host& h, std::ostream&) { chooseWithFile(h, "import-cells", w[0], "Import Cells\u2026"); },
         false},
        {"export-cells", "FILE", 1, 1, checkFileAnswer,
         [](const Words& w, host::Host& h, std::ostream&) { chooseWithFile(h, "export-cells", w[0], "Export Cells\u2026"); },
         false},
        {"flyout", "N", 1, 1,
         [](const Words& w) { return parseItem(w[0]) ? std::string() : "\"" + w[0] + "\" is not a flyout item number"; },
         [](const Words& w, host::Host& h, std::ostream&) {
             const std::string reason = h.panels().chooseFlyoutItem(*parseItem(w[0]), h.log());
             if (!reason.empty())
                 h.log().warning(reason);
         }, false},
        {"theme", "dark|light", 1, 1,
         [](const Words& w) {
             return w[0] == "dark" || w[0] == "light" ? std::string() : "no theme \"" + w[0] + "\" (dark, light)";
         },
         [](const Words& w, host::Host& h, std::ostream&) {
             h.theme().setDark(w[0] == "dark");
             h.notifiers().deliver(kAIUIBrightnessChangedNotifier);
         }},
        {"lock-layer", "\"TITLE\"", 1, 1, noCheck,
         [](const Words& w, host::Host& h, std::ostream&) { warnIfAny(h, script::setLayerLocked(h, w[0], true)); }, false},
        {"unlock-layer", "\"TITLE\"", 1, 1, noCheck,
         [](const Words& w, host::Host& h, std::ostream&) { warnIfAny(h, script::setLayerLocked(h, w[0], false)); }, false},
        {"delete", "[\"NAME\"]", 0, 1, noCheck,
         [](const Words& w, host::Host& h, std::ostream&) {
             if (w.empty())
                 script::deleteSelection(h);
             else
                 warnIfAny(h, script::deleteTopmost(h, w[0]));
         }, false},
        {"select", "X Y [shift]|none", 1, 3, pointer::checkSelect,
         [](const Words& w, host::Host& h, std::ostream&) { pointer::select(w, h); }, false},
        {"move", "DX DY", 2, 2, pointer::checkMove,
         [](const Words& w, host::Host& h, std::ostream&) { pointer::move(w, h); }, false},
        {"undo", "", 0, 0, noCheck, [](const Words&, host::Host& h, std::ostream&) { h.undo(); }, false},
        {"redo", "", 0, 0, noCheck, [](const Words&, host::Host& h, std::ostream&) { h.redo(); }, false},
        {"open", "FILE.svg", 1, 1,
         [](const Words& w) { return endsWith(w[0], ".svg") ? std::string() : "\"open\" takes FILE.svg"; },
         [](const Words& w, host::Host& h, std::ostream&) { openDrawing(w[0], h); }},
        {"save", "FILE.svg|FILE.pdf|FILE.png [SCALE]", 1, 2, checkSave,
         [](const Words& w, host::Host& h, std::ostream&) { save(w, h); }},
        {"fail", "SUITE OPERATION CODE", 3, 3,
         [](const Words& w) {
             return parseCode(w[2]) ? std::string() : "\"" + w[2] + "\" is not a result code ('ABCD' or a number)";
         },
         [](const Words& w, host::Host& h, std::ostream&) { h.faults().failOperation(w[0], w[1], *parseCode(w[2])); }},
        {"unavailable", "SUITE", 1, 1, noCheck,
         [](const Words& w, host::Host& h, std::ostream&) { h.suites().setUnavailable(w[0], true); }},
        {"clock", "SECONDS|+SECONDS", 1, 1,
         [](const Words& w) {
             return parseSeconds(w[0]) ? std::string()
                                       : "\"" + w[0] + "\" is not a whole number of seconds within 64 bits";
         },
         [](const Words& w, host::Host& h, std::ostream&) {
             if (w[0][0] == '+')
                 h.clock().advance(*parseSeconds(w[0]));
             else
                 h.clock().set(*parseSeconds(w[0]));
         }},
        {"mouse", "down|drag|up X Y [shift] [option]", 3, 5, pointer::checkMouse,
         [](const Words& w, host::Host& h, std::ostream&) { pointer::mouse(w, h); }, false},
        {"drag", "X1 Y1 X2 Y2", 4, 4, pointer::checkDrag,
         [](const Words& w, host::Host& h, std::ostream&) { pointer::drag(w, h); }, false},
        {"hover", "X Y [option]", 2, 3, pointer::checkHover,
         [](const Words& w, host::Host& h, std::ostream&) { pointer::hover(w, h); }, false},
        {"tool-options", "", 0, 0, noCheck,
         [](const Words&, host::Host& h, std::ostream&) { pointer::toolOptions(h); }, false},
        {"snapshot", "view|cursor|panel FILE.png, or window \"TITLE\" FILE.png", 2, 3, pointer::checkSnapshot,
         [](const Words& w, host::Host& h, std::ostream&) {
             if (w[0] == "panel")
                 panel::snapshotPanel(w[1], h);
             else if (w[0] == "window")
                 panel::snapshotWindow(w[1], w[2], h);
             else
                 pointer::snapshot(w, h);
         }},
        {"hover-control", "ID", 1, 1, noCheck,
         [](const Words& w, host::Host& h, std::ostream&) { panel::hoverControl(w[0], h); }},
        {"click", "ID [shift] [command]", 1, 3, panel::checkClick,
         [](const Words& w, host::Host& h, std::ostream&) { panel::click(w, h); }},
        {"type", "ID \"TEXT\"", 2, 2, noCheck,
         [](const Words& w, host::Host& h, std::ostream&) { panel::type(w, h); }},
        {"key", "NAME [shift] [command]", 1, 3, panel::checkKey,
         [](const Words& w, host::Host& h, std::ostream&) { panel::key(w, h); }},
        {"choose", "ID INDEX", 2, 2, panel::checkChoose,
         [](const Words& w, host::Host& h, std::ostream&) { panel::choose(w, h); }},
        {"slide", "ID VALUE", 2, 2, panel::checkSlide,
         [](const Words& w, host::Host& h, std::ostream&) { panel::slide(w, h); }},
        {"edit-text", "X Y \"TEXT\"", 3, 3, typing::checkEditText,
         [](const Words& w, host::Host& h, std::ostream&) { typing::editText(w, h); }, false},
        {"type-key", "NAME [shift] [command]", 1, 3, typing::checkTypeKey,
         [](const Words& w, host::Host& h, std::ostream&) { typing::typeKey(w, h); }, false},
        {"type-text", "\"TEXT\"", 1, 1, typing::checkTypeText,
         [](const Words& w, host::Host& h, std::ostream&) { typing::typeText(w, h); }, false},
        {"clipboard", "\"TEXT\"", 1, 1, typing::checkClipboard,
         [](const Words& w, host::Host& h, std::ostream&) { typing::setClipboard(w, h); }},
    };
    return table;
}

const Command* find(const std::string& name)
{
    for (const auto& command : commands())
        if (name == command.name)
            return &command;
    return nullptr;
}

} // namespace

std::string check(const Line& line)
{
    const Command* command = find(line.words[0]);
    if (command == nullptr)
        return "unknown command \"" + line.words[0] + "\"";
    const Words arguments(line.words.begin() + 1, line.words.end());
    if (arguments.size() < command->least || arguments.size() > command->most) {
        std::string expected = command->arguments[0] ? std::string(" ") + command->arguments : " nothing more";
        return "\"" + line.words[0] + "\" takes" + expected;
    }
    return command->check(arguments);
}

// The commands that leave the text being typed into with the Type tool as it is: those that
// look, those of the typing itself, and the pointer's, which the tool answers (a press in the
// text moves its caret). Any other ends the edit, kept, before it acts, as a command of the
// host or a click elsewhere does.
namespace {
const char* const kLeaveTyping[] = {"print", "snapshot", "type-key", "type-text", "clipboard", "clock", "fail",
                                    "unavailable", "hover", "hover-control", "mouse", "drag", "theme"};
} // namespace

void run(const Line& line, host::Host& host, std::ostream& out)
{
    const Words arguments(line.words.begin() + 1, line.words.end());
    // One user action, one write of the preferences, whatever it stored.
    const host::PreferenceStore::Batch batch = host.preferences().batch();
    const Command& command = *find(line.words[0]);
    if (const ns::Window* modal = ns::Application::sharedApplication().modalWindow();
        modal != nullptr && !command.duringModal) {
        host.log().warning("\"" + line.words[0] + "\" waits: the dialog \"" + modal->title() + "\" is modal");
        return;
    }
    if (std::none_of(std::begin(kLeaveTyping), std::end(kLeaveTyping),
                     [&](const char* name) { return line.words[0] == name; }))
        host.typeTool().finish();
    command.run(arguments, host, out);
}

std::string usage()
{
    std::string text;
    for (const auto& command : commands())
        text += std::string("  ") + command.name + (command.arguments[0] ? " " : "") + command.arguments + "\n";
    return text;
}

} // namespace script
