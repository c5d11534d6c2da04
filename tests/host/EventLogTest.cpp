// The event log. A message's line, and each line handed out once, are what every script's
// "print log" shows.
#include "EventLog.h"

#include <gtest/gtest.h>

namespace {

TEST(EventLog, WritesResultCodesAsAReaderKnowsThem)
{
    const struct {
        ASErr code;
        const char* shown;
    } cases[] = {
        {kUnhandledMsgErr, "'!MSG'"}, // 0 and codes of four letters are in every script's log
        {361, "361"},
        {-1, "-1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(host::formatResult(c.code), c.shown) << c.code;
}

// A session that never prints its log keeps only the newest lines, and says how many went.
TEST(EventLog, KeepsTheNewestLinesOfALongSession)
{
    host::EventLog log;
    const size_t most = host::EventLog::kMostKept;
    for (size_t i = 0; i < most + 2; ++i)
        log.note(std::to_string(i));
    EXPECT_EQ(log.lines().size(), most);
    const std::vector<std::string> unread = log.takeUnread();
    ASSERT_EQ(unread.size(), most + 1);
    EXPECT_EQ(unread.front(), "(2 earlier lines were not kept)");
    EXPECT_EQ(unread[1], "2");
    EXPECT_EQ(unread.back(), std::to_string(most + 1));
    EXPECT_TRUE(log.lines().empty()) << "what was read is forgotten";
    log.note("next");
    EXPECT_EQ(log.takeUnread(), std::vector<std::string>{"next"});
}

TEST(EventLog, KeepsAnAlertOnOneLine)
{
    host::EventLog log;
    log.alert("The text is too long\r (up to 80 characters).");
    log.alert("say \"no\" \\ twice\n");
    EXPECT_EQ(log.lines()[0], "alert: \"The text is too long\\r (up to 80 characters).\"");
    EXPECT_EQ(log.lines()[1], "alert: \"say \\\"no\\\" \\\\ twice\\n\"");
}

} // namespace
