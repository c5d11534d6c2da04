#include "Options.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

struct Parsed {
    bool ok;
    script::CommandLine line;
    std::string reason;
};

Parsed Parse(std::vector<const char*> words)
{
    words.insert(words.begin(), "varo-host");
    Parsed parsed;
    parsed.ok = script::parseCommandLine(static_cast<int>(words.size()), words.data(), parsed.line, parsed.reason);
    return parsed;
}

TEST(Options, ReadsTheFoldersTheFontsAndTheScripts)
{
    const Parsed parsed = Parse({"--plugins", "p", "--prefs", "prefs.json", "--fonts", " A Sans , B Serif,,", "a.varo", "-"});
    ASSERT_TRUE(parsed.ok) << parsed.reason;
    EXPECT_EQ(std::tie(parsed.line.host.pluginsFolder, parsed.line.host.preferencesFile), std::make_tuple("p", "prefs.json"));
    EXPECT_EQ(parsed.line.host.fonts, (std::vector<std::string>{"A Sans", "B Serif"}));
    EXPECT_EQ(parsed.line.scripts, (std::vector<std::string>{"a.varo", "-"}));
}

TEST(Options, DefaultsAreBesideTheProgramAndInTheConfigurationFolder)
{
    const Parsed parsed = Parse({"a.varo"});
    ASSERT_TRUE(parsed.ok);
    const auto& h = parsed.line.host;
    EXPECT_EQ(std::make_tuple(h.pluginsFolder.filename(), h.preferencesFile.parent_path().filename(), h.preferencesFile.filename()),
              std::make_tuple("plugins", "varo-host", "preferences.json"));
    EXPECT_FALSE(parsed.line.host.fonts.has_value()) << "the machine's fonts";
}

TEST(Options, RefusesWhatItCannotUnderstand)
{
    const struct {
        std::vector<const char*> words;
        const char* reason;
    } cases[] = {
        {{}, "no script given"},
        {{"--plugins"}, "--plugins needs a value"},
        {{"a.varo", "--prefs"}, "--prefs needs a value"},
        {{"--fonts", " , ", "a.varo"}, "--fonts needs at least one font name"},
        {{"--verbose", "a.varo"}, "unknown option --verbose"},
    };
    for (const auto& c : cases) {
        const Parsed parsed = Parse(c.words);
        EXPECT_FALSE(parsed.ok);
        EXPECT_EQ(parsed.reason, c.reason);
    }
}

} // namespace
