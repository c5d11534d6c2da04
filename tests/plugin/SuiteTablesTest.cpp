// The plug-in's suite tables against the host's registry: every suite of the tables is lent,
// or no test of the plug-in could start it; and an operation lent but not performed yet.
#include "host/HostSuites.h"
#include "sdk/AIRandom.h"

namespace {

TEST(SuiteTables, AnOperationTheHostDoesNotPerformYetSaysSo)
{
    host::Host host({});
    // The random numbers are still pending (the view and the annotator's drawer, once the
    // examples, are real now).
    const auto* random = host_test::Acquire<AIRandomSuite>(host, kAIRandomSuite, kAIRandomSuiteVersion);
    AIReal value = 0;
    EXPECT_EQ(random->FloatRandom(&value), kNotImplementedErr);
    ASSERT_FALSE(host.log().lines().empty());
    EXPECT_EQ(host.log().lines().back(), "not implemented: AI Random Suite FloatRandom");
    host.basic()->ReleaseSuite(kAIRandomSuite, kAIRandomSuiteVersion);
}

} // namespace
