#include "ScriptReader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using Words = std::vector<std::string>;

TEST(ScriptReader, SplitsWordsAtBlanksAndGroupsQuotedOnes)
{
    const struct {
        const char* line;
        Words words;
    } cases[] = {
        {"launch", {"launch"}},
        {"  message   \"SP Interface\"\t\"Startup\"  ", {"message", "SP Interface", "Startup"}},
        {"message \"\" x", {"message", "", "x"}},
        {"# a comment", {}},
        {"quit # the end", {"quit"}},
        {"type zone \"a # is kept\"", {"type", "zone", "a # is kept"}},
        {"type zone \"say \\\"hi\\\" \\\\ bye\"", {"type", "zone", "say \"hi\" \\ bye"}},
        {"path C:\\dir", {"path", "C:\\dir"}},
        {"clipboard \"a\\tb\\nc\\x\"", {"clipboard", "a\tb\nc\\x"}},
        {"path C:\\new\\tab", {"path", "C:\\new\\tab"}},
        {"glued\"quoted part\"", {"gluedquoted part"}},
        {"line\r", {"line"}},
    };
    for (const auto& c : cases) {
        Words words;
        std::string reason;
        EXPECT_TRUE(script::splitWords(c.line, words, reason)) << c.line;
        EXPECT_EQ(words, c.words) << c.line;
    }
}

TEST(ScriptReader, KeepsLineNumbersAcrossBlankLinesAndComments)
{
    std::istringstream in("# start\n\nlaunch\n   \nquit\n");
    std::vector<script::Line> lines;
    script::ReadError error;
    ASSERT_TRUE(script::readLines(in, "t.varo", lines, error));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].number, 3);
    EXPECT_EQ(lines[1].number, 5);
}

TEST(ScriptReader, ALineThatCannotBeReadStopsTheScriptAndSaysWhy)
{
    using namespace std::string_literals;
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"launch\ntype PANnomTitre \"a\0b\"\n"s, "t.varo:2: NUL byte in line 2"},
        {"launch\n\0\n"s, "t.varo:2: NUL byte in line 2"},
        {"# \0 in a comment\n"s, "t.varo:1: NUL byte in line 1"},
        {"launch\nprint \"panel\n"s, "t.varo:2: unterminated quote"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        std::vector<script::Line> lines;
        script::ReadError error;
        EXPECT_FALSE(script::readLines(in, "t.varo", lines, error));
        EXPECT_TRUE(lines.empty());
        EXPECT_EQ(error.message(), c.message);
    }
}

} // namespace
