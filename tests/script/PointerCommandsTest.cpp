// The pointer and snapshot commands: what check accepts beyond what the script tests run, and
// the reasons it gives otherwise.
#include "Commands.h"

#include <gtest/gtest.h>

namespace {

TEST(PointerCommands, ChecksTheirArgumentsBeforeAnythingRuns)
{
    const struct {
        std::vector<std::string> words;
        const char* reason; // empty: understood
    } cases[] = {
        {{"mouse", "up", "1e3", "-1000000", "option", "shift"}, ""},
        {{"mouse", "down", "100"}, "\"mouse\" takes down|drag|up X Y [shift] [option]"},
        {{"mouse", "down", "1", "2", "shift", "option", "shift"}, "\"mouse\" takes down|drag|up X Y [shift] [option]"},
        {{"mouse", "click", "1", "2"}, "no mouse event \"click\" (down, drag, up)"},
        {{"mouse", "down", "1", "2,5"}, "\"2,5\" is not a point coordinate (a number from -1000000 to 1000000)"},
        {{"mouse", "down", "nan", "2"}, "\"nan\" is not a point coordinate (a number from -1000000 to 1000000)"},
        {{"mouse", "down", "inf", "2"}, "\"inf\" is not a point coordinate (a number from -1000000 to 1000000)"},
        {{"mouse", "down", "1000001", "0"}, "\"1000001\" is not a point coordinate (a number from -1000000 to 1000000)"},
        {{"mouse", "down", "+1", "0"}, "\"+1\" is not a point coordinate (a number from -1000000 to 1000000)"},
        {{"mouse", "down", "1", "2", "control"}, "\"control\" is not a key to hold (shift, option)"},
        {{"mouse", "down", "1", "2", "shift", "shift"}, "\"shift\" is given twice"},
        {{"drag", "1", "2", "3"}, "\"drag\" takes X1 Y1 X2 Y2"},
        {{"drag", "1", "2", "3", "four"}, "\"four\" is not a point coordinate (a number from -1000000 to 1000000)"},
        {{"hover", "1"}, "\"hover\" takes X Y [option]"},
        {{"hover", "1", "2", "shift"}, "\"shift\" is not a key to hold (option)"},
        {{"tool-options", "now"}, "\"tool-options\" takes nothing more"},
        {{"snapshot", "view"}, "\"snapshot\" takes view|cursor|panel FILE.png, or window \"TITLE\" FILE.png"},
        {{"snapshot", "screen", "p.png"}, "cannot take a snapshot of \"screen\" (view, cursor, panel, window \"TITLE\")"},
        {{"snapshot", "window", "p.png"}, "\"snapshot window\" takes \"TITLE\" FILE.png"},
        {{"snapshot", "panel", "A", "p.png"}, "\"snapshot panel\" takes FILE.png"},
        {{"snapshot", "window", "About", "p.svg"}, "cannot write a snapshot as \"p.svg\" (FILE.png)"},
        {{"snapshot", "view", "v.svg"}, "cannot write a snapshot as \"v.svg\" (FILE.png)"},
        {{"snapshot", "cursor", ".png"}, "cannot write a snapshot as \".png\" (FILE.png)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(script::check(script::Line{"t.varo", 1, c.words}), c.reason) << c.words[0] << " " << c.words.size();
}

} // namespace
