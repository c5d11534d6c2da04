// The general pasteboard: in the process it holds what was set until it is cleared; while a
// platform layer lends the system's clipboard, that is what it reads and writes, and when the
// clipboard is taken back it starts empty again.
#include "Pasteboard.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(Pasteboard, HoldsWhatWasSetUntilCleared)
{
    ns::Pasteboard& pasteboard = ns::Pasteboard::general();
    EXPECT_EQ(&pasteboard, &ns::Pasteboard::general()) << "one general pasteboard";
    pasteboard.clear();
    EXPECT_EQ(pasteboard.string(), std::nullopt);
    const struct {
        const char* what;
        std::optional<std::string> set; // none: cleared
        std::optional<std::string> held;
    } steps[] = {
        {"a text", "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD", "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD"},
        {"another in its place", "x", "x"},
        {"an empty text is a text", "", ""},
        {"cleared", std::nullopt, std::nullopt},
    };
    for (const auto& step : steps) {
        const uint64_t before = pasteboard.changeCount();
        if (step.set)
            pasteboard.setString(*step.set);
        else
            pasteboard.clear();
        EXPECT_EQ(pasteboard.string(), step.held) << step.what;
        EXPECT_GT(pasteboard.changeCount(), before) << step.what;
    }
}

TEST(Pasteboard, TheSystemsClipboardWhileOneIsLent)
{
    ns::Pasteboard& pasteboard = ns::Pasteboard::general();
    pasteboard.setString("before");
    std::optional<std::string> system = "from another program";
    pasteboard.useSystemClipboard({[&] { return system; }, [&](const std::string& text) { system = text; }});
    EXPECT_EQ(pasteboard.string(), "from another program");
    pasteboard.setString("copied");
    EXPECT_EQ(system, "copied");
    system = std::nullopt; // another program cleared it
    EXPECT_EQ(pasteboard.string(), std::nullopt);
    pasteboard.useSystemClipboard({});
    EXPECT_EQ(pasteboard.string(), std::nullopt) << "taken back: the process's own, empty";
    pasteboard.setString("kept");
    EXPECT_EQ(pasteboard.string(), "kept");
    EXPECT_EQ(system, std::nullopt) << "the system's clipboard is no longer written";
    pasteboard.clear();
}

} // namespace
