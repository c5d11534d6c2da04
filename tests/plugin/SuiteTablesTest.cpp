// The plug-in's suite tables against the host's registry.
#include "Host.h"
#include "TableauSuites.h"
#include "sdk/AIDocumentView.h"

#include "sdk/AIRandom.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

int Count(const ImportSuite* table)
{
    int n = 0;
    while (table[n].name != nullptr)
        ++n;
    return n;
}

TEST(SuiteTables, EverySuiteThePlugInAsksForIsLentByTheHost)
{
    host::Host host({});
    EXPECT_EQ(Count(gBasicSuites), 7);
    EXPECT_EQ(Count(gImportSuites), 127);
    int atVersion101 = 0;
    std::set<std::string> names;
    for (const ImportSuite* table : {gBasicSuites, gImportSuites}) {
        for (const ImportSuite* entry = table; entry->name != nullptr; ++entry) {
            EXPECT_TRUE(host.suites().has(entry->name, entry->version)) << entry->name << " " << entry->version;
            names.insert(entry->name);
            if (std::string(entry->name).rfind("ATE ", 0) == 0 && entry->version == 101)
                ++atVersion101;
        }
    }
    EXPECT_EQ(names.size(), 7u + 126u) << "the Real Math suite is had twice, everything else once";
    EXPECT_EQ(atVersion101, 8);
}

TEST(SuiteTables, AnOperationTheHostDoesNotPerformYetSaysSo)
{
    host::Host host({});
    const void* suite = nullptr;
    // The random numbers are still pending (the view and the annotator's drawer, once the
    // examples, are real now).
    ASSERT_EQ(host.basic()->AcquireSuite(kAIRandomSuite, kAIRandomSuiteVersion, &suite), kNoErr);
    AIReal value = 0;
    EXPECT_EQ(static_cast<const AIRandomSuite*>(suite)->FloatRandom(&value), kNotImplementedErr);
    ASSERT_FALSE(host.log().lines().empty());
    EXPECT_EQ(host.log().lines().back(), "not implemented: AI Random Suite FloatRandom");
    host.basic()->ReleaseSuite(kAIRandomSuite, kAIRandomSuiteVersion);
}

} // namespace
