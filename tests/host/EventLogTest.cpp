#include "EventLog.h"

#include <gtest/gtest.h>

namespace {

TEST(EventLog, WritesResultCodesAsAReaderKnowsThem)
{
    const struct {
        ASErr code;
        const char* shown;
    } cases[] = {
        {kNoErr, "0"},
        {kUnhandledMsgErr, "'!MSG'"},
        {kSPSuiteNotFoundError, "'S!Fd'"},
        {361, "361"},
        {-1, "-1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(host::formatResult(c.code), c.shown) << c.code;
}

TEST(EventLog, HandsOutEachLineOnce)
{
    host::EventLog log;
    log.note("one");
    EXPECT_EQ(log.takeUnread(), std::vector<std::string>{"one"});
    log.message("P", "SP Interface", "Startup", "", kNoErr);
    EXPECT_EQ(log.takeUnread(), std::vector<std::string>{"P: \"SP Interface\" \"Startup\" -> 0"});
    EXPECT_TRUE(log.takeUnread().empty());
}

} // namespace

namespace {

TEST(EventLog, KeepsAnAlertOnOneLine)
{
    host::EventLog log;
    log.alert("The text is too long\r (up to 80 characters).");
    log.alert("say \"no\" \\ twice\n");
    EXPECT_EQ(log.lines()[0], "alert: \"The text is too long\\r (up to 80 characters).\"");
    EXPECT_EQ(log.lines()[1], "alert: \"say \\\"no\\\" \\\\ twice\\n\"");
}

} // namespace
