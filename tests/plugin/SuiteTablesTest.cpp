// The plug-in's suite tables against the host's registry: every suite of the tables is lent at
// the version the table asks for, once each, or the plug-in could not start; and an operation
// lent but not performed yet says so.
#include "SuiteTables.h"
#include "host/HostSuites.h"
#include "sdk/AIRandom.h"

#include <set>
#include <string>

namespace {

TEST(SuiteTables, EverySuiteOfTheTablesIsLentOnceAtItsVersion)
{
    host::Host host({});
    std::set<std::pair<std::string, ai_int32>> vus;
    size_t entrees = 0;
    for (const ImportSuite* table : {gBasicSuites, gImportSuites})
        for (const ImportSuite* s = table; s->name != nullptr; ++s, ++entrees) {
            SCOPED_TRACE(std::string(s->name) + " " + std::to_string(s->version));
            const void* suite = nullptr;
            EXPECT_EQ(host.basic()->AcquireSuite(s->name, s->version, &suite), kNoErr);
            EXPECT_NE(suite, nullptr);
            host.basic()->ReleaseSuite(s->name, s->version);
            // A suite may be held in two pointers (Real Math is), never asked for at two versions.
            vus.emplace(s->name, s->version);
        }
    EXPECT_EQ(entrees, 7u + 128u);
    EXPECT_EQ(vus.size(), entrees - 1) << "one suite twice (Real Math, for its second pointer), none other";
    EXPECT_EQ(gOptionalSuites[0].name, nullptr) << "every suite is required";
}

TEST(SuiteTables, AnOperationTheHostDoesNotPerformYetSaysSo)
{
    host::Host host({});
    // The random numbers are still pending.
    const auto* random = host_test::Acquire<AIRandomSuite>(host, kAIRandomSuite, kAIRandomSuiteVersion);
    AIReal value = 0;
    EXPECT_EQ(random->FloatRandom(&value), kNotImplementedErr);
    ASSERT_FALSE(host.log().lines().empty());
    EXPECT_EQ(host.log().lines().back(), "not implemented: AI Random Suite FloatRandom");
    host.basic()->ReleaseSuite(kAIRandomSuite, kAIRandomSuiteVersion);
}

} // namespace
