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

} // namespace
