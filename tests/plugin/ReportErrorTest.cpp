// Which errors are reported, and how often.
#include "host/HostSuites.h"
#include "Plugin.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Shows when the last report was made; a dropped error leaves it as it was.
class ProbePlugin : public Plugin {
public:
    ProbePlugin() : Plugin(nullptr) {}
    std::time_t lastReport() const { return fLastErrorTime; }
    ASErr lastError() const { return fLastError; }
};

class ReportError : public testing::Test {
protected:
    void SetUp() override
    {
        sSPBasic = host_.basic();
        host_.clock().set(kStart);
    }
    void TearDown() override
    {
        if (sAIUser != nullptr)
            host_.basic()->ReleaseSuite(kAIUserSuite, kAIUserSuiteVersion);
        sAIUser = nullptr;
        sSPBasic = nullptr;
    }
    void holdUserSuite() { sAIUser = host_test::Acquire<AIUserSuite>(host_, kAIUserSuite, kAIUserSuiteVersion); }
    void report(ASErr error) { plugin_.ReportError(error, "AI Tool", "AI Mouse Down", nullptr); }

    static constexpr std::time_t kStart = 1'000'000;
    host::Host host_{{}};
    ProbePlugin plugin_;
};

const ASErr kSomeError = AS_FOUR_CHAR('B', 'O', 'O', 'M');
const ASErr kOtherError = AS_FOUR_CHAR('O', 'U', 'C', 'H');

TEST_F(ReportError, TheSameErrorWithinFiveSecondsIsReportedOnce)
{
    holdUserSuite();
    constexpr std::time_t kFirst = std::numeric_limits<std::time_t>::min(), kLast = std::numeric_limits<std::time_t>::max();
    const struct {
        std::time_t now;
        ASErr error;
        std::time_t lastReport; // the report time afterwards
    } steps[] = {
        {kStart, kSomeError, kStart},         // first: reported
        {kStart + 4, kSomeError, kStart},     // same error 4 s later: dropped
        {kStart + 5, kSomeError, kStart + 5}, // 5 s after the report: reported again
        {kStart + 6, kOtherError, kStart + 6}, // another error: reported at once
        {kStart + 7, kSomeError, kStart + 7}, // the first one again: no longer the last one
        // At the ends of the clock the time-out holds without overflowing.
        {kLast, kSomeError, kLast},
        {kFirst, kSomeError, kFirst}, // far back: reported
        {kFirst + 4, kSomeError, kFirst}, // dropped
        {kLast, kSomeError, kLast},   // from the far past to the end: reported
    };
    for (const auto& step : steps) {
        host_.clock().set(step.now);
        report(step.error);
        EXPECT_EQ(plugin_.lastReport(), step.lastReport) << "at " << step.now;
    }
}

TEST_F(ReportError, FilteredErrorsAreNeverReported)
{
    holdUserSuite();
    const ASErr filtered[] = {AS_FOUR_CHAR('F', 'M', 'T', '?'), AS_FOUR_CHAR('S', '!', 'F', 'd'),
                              AS_FOUR_CHAR('!', 'A', 'c', 'q'), AS_FOUR_CHAR('S', 'T', 'O', 'P'),
                              kSPPluginCachesFlushResponse, 361};
    for (ASErr error : filtered) {
        report(error);
        EXPECT_EQ(plugin_.lastReport(), 0) << error;
        EXPECT_TRUE(FilteredError(error));
    }
    EXPECT_FALSE(FilteredError(kSomeError));
    EXPECT_FALSE(FilteredError(kNoErr)) << "the list's end marker is not a filtered code";
}

TEST_F(ReportError, WithoutItsSuitesTheReportBorrowsTheUserSuiteAndGivesItBack)
{
    report(kSomeError);
    EXPECT_EQ(host_.suites().acquisitions(kAIUserSuite, kAIUserSuiteVersion), 1);
    EXPECT_EQ(host_.suites().totalReferences(), 0);

    host_.suites().setUnavailable(kAIUserSuite, true);
    DefaultError(nullptr, kOtherError); // nothing to report with: nothing happens
    EXPECT_EQ(host_.suites().totalReferences(), 0);
}

} // namespace
