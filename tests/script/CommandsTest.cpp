#include "Commands.h"
#include "Host.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

script::Line line(std::vector<std::string> words)
{
    return script::Line{"t.varo", 1, std::move(words)};
}

// What the script tests run is understood; here, the commands they do not run, and the
// reasons for what is not understood.
TEST(Commands, ChecksEveryLineBeforeAnythingRuns)
{
    const struct {
        std::vector<std::string> words;
        const char* reason; // empty: understood
    } cases[] = {
        {{"tool"}, "\"tool\" takes \"TITLE\""},
        {{"theme", "dark"}, ""},
        {{"theme", "grey"}, "no theme \"grey\" (dark, light)"},
        {{"save", "t.png", "2.5"}, ""},
        {{"fail", "AI User Suite", "MessageAlert", "'NOPE'"}, ""},
        {{"fail", "AI User Suite", "MessageAlert", "-5"}, ""},
        {{"clock", "1000"}, ""},
        {{"clock", "+6"}, ""},
        {{"lanch"}, "unknown command \"lanch\""},
        {{"launch", "now"}, "\"launch\" takes nothing more"},
        {{"message", "Foo"}, "\"message\" takes CALLER SELECTOR"},
        {{"print"}, "\"print\" takes log|tree|prefs|panels|cursor|panel [ID...]|focus|alert|place ID|\"TOOL\"|X Y|undo|selection|modified|text X Y|typing|clipboard|dictionary X Y"},
        {{"print", "log", "PANzoneCorps"}, "\"print log\" takes nothing more"},
        {{"print", "everything"}, "cannot print \"everything\" (log, tree, prefs, panels, cursor, panel, focus, alert, place, undo, selection, modified, text, typing, clipboard, dictionary)"},
        {{"print", "dictionary", "100", "-7.5"}, ""},
        {{"import-cells", "dossier/Ann\u00e9e.csv"}, ""},
        {{"export-cells", "a", "b"}, "\"export-cells\" takes FILE"},
        {{"import-cells", ""}, "no file named"},
        {{"import-cells", "caf\xE9"}, "\"caf\xE9\" is not a file name in UTF-8"},
        {{"print", "dictionary"}, "\"print dictionary\" takes X Y"},
        {{"print", "dictionary", "100"}, "\"print dictionary\" takes X Y"},
        {{"print", "dictionary", "100", "far"}, "\"far\" is not a point coordinate (a number from -1000000 to 1000000)"},
        {{"print", "text"}, "\"print text\" takes X Y"},
        {{"print", "text", "1", "up"}, "\"up\" is not a point coordinate (a number from -1000000 to 1000000)"},
        {{"print", "typing", "now"}, "\"print typing\" takes nothing more"},
        {{"edit-text", "1", "2", "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD"}, ""},
        {{"edit-text", "1", "2", ""}, ""},
        {{"edit-text", "1", "2"}, "\"edit-text\" takes X Y \"TEXT\""},
        {{"edit-text", "1", "2", "a\tb"}, "the text holds a control character, which typing does not give"},
        {{"edit-text", "1", "2", "\xC3"}, "the text is not UTF-8"},
        {{"type-key", "Home", "shift"}, ""},
        {{"type-key", "\xC3\xA9"}, ""},
        {{"type-key", "a", "command", "shift"}, ""},
        {{"type-key", "PageUp"}, "no key \"PageUp\" (Return, Tab, Escape, Delete, ForwardDelete, Left, Right, Up, Down, Home, End or one character)"},
        {{"type-key", "a", "option"}, "\"option\" is not a key to hold (shift, command)"},
        {{"type-text", "\x7f"}, "the text holds a control character, which typing does not give"},
        {{"clipboard", "\xFF"}, "the text is not UTF-8"},
        {{"clipboard", ""}, ""},
        {{"save"}, "\"save\" takes FILE.svg|FILE.pdf|FILE.png [SCALE]"},
        {{"save", "t.jpg"}, "cannot save as \"t.jpg\" (FILE.svg, FILE.pdf or FILE.png)"},
        {{"save", ".svg"}, "cannot save as \".svg\" (FILE.svg, FILE.pdf or FILE.png)"},
        {{"save", "t.svg", "2"}, "an SVG or PDF file takes no scale"},
        {{"save", "t.pdf", "2"}, "an SVG or PDF file takes no scale"},
        {{"open"}, "\"open\" takes FILE.svg"},
        {{"open", "t.png"}, "\"open\" takes FILE.svg"},
        {{"save", "t.png", "big"}, "\"big\" is not a scale"},
        {{"save", "t.png", "0"}, "a picture's scale lies between 0.05 and 16"},
        {{"save", "t.png", "1", "2"}, "\"save\" takes FILE.svg|FILE.pdf|FILE.png [SCALE]"},
        {{"fail", "S", "O", "NOPE"}, "\"NOPE\" is not a result code ('ABCD' or a number)"},
        {{"clock", "soon"}, "\"soon\" is not a whole number of seconds within 64 bits"},
        {{"clock", "+"}, "\"+\" is not a whole number of seconds within 64 bits"},
        {{"clock", "+-1"}, "\"+-1\" is not a whole number of seconds within 64 bits"},
        {{"clock", "+9223372036854775808"}, "\"+9223372036854775808\" is not a whole number of seconds within 64 bits"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(script::check(line(c.words)), c.reason) << c.words[0];
}

TEST(Commands, FaultInjectionAndClockCommandsReachTheHost)
{
    host::Host host({});
    std::ostringstream out;
    script::run(line({"fail", "AI User Suite", "MessageAlert", "'NOPE'"}), host, out);
    EXPECT_EQ(host.faults().check("AI User Suite", "MessageAlert"), AS_FOUR_CHAR('N', 'O', 'P', 'E'));
    script::run(line({"clock", "100"}), host, out);
    script::run(line({"clock", "+7"}), host, out);
    EXPECT_EQ(host.clock().now(), 107);
    script::run(line({"unavailable", "AI Art Suite"}), host, out);
    const void* suite = nullptr;
    EXPECT_EQ(host.suites().acquire("AI Art Suite", 1016, &suite), kSPSuiteNotFoundError);
}

} // namespace
