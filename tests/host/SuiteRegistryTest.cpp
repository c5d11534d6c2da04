#include "HostSuites.h"
#include "SuiteRegistry.h"
#include "sdk/AINotifier.h"
#include "sdk/AIUser.h"

#include <limits>
#include <tuple>

namespace {

TEST(SuiteRegistry, CountsEveryReferenceAndRefusesWhatItDoesNotHave)
{
    host::SuiteRegistry registry;
    static const int table = 0;
    registry.add("Some Suite", 3, &table);

    const void* suite = nullptr;
    EXPECT_EQ(registry.acquire("Some Suite", 3, &suite), kNoErr);
    EXPECT_EQ(suite, &table);
    EXPECT_EQ(registry.acquire("Some Suite", 3, &suite), kNoErr);
    EXPECT_EQ(registry.references("Some Suite", 3), 2);

    suite = &table;
    EXPECT_EQ(registry.acquire("Some Suite", 4, &suite), kSPSuiteNotFoundError) << "another version";
    EXPECT_EQ(suite, nullptr);
    EXPECT_EQ(registry.acquire(nullptr, 3, &suite), kSPBadParameterError);

    for (const ASErr expected : {ASErr{kNoErr}, ASErr{kNoErr}, ASErr{kSPNotAcquiredError}}) // one release too many
        EXPECT_EQ(registry.release("Some Suite", 3), expected);
    EXPECT_EQ(std::make_tuple(registry.totalReferences(), registry.acquisitions("Some Suite", 3)), std::make_tuple(0, 2));
}

TEST(Host, InjectedFailuresAndTheClockReachThePlugInThroughTheSuites)
{
    host::Host host({});
    const auto* user = host_test::Acquire<AIUserSuite>(host, kAIUserSuite, kAIUserSuiteVersion);

    host.clock().set(1000);
    host.clock().advance(5);
    ai_int64 now = 0;
    ASSERT_EQ(user->GetDateAndTime(&now), kNoErr);
    EXPECT_EQ(now, 1005);
    // Moved past either end, the clock stays there.
    constexpr ai_int64 kLast = std::numeric_limits<ai_int64>::max(), kFirst = std::numeric_limits<ai_int64>::min();
    const struct {
        ai_int64 from, by, to;
    } moves[] = {{kLast, 1, kLast}, {kLast - 1, kLast, kLast}, {kFirst, -1, kFirst}, {kFirst, kLast, -1}, {5, kFirst, kFirst + 5}};
    for (const auto& m : moves) {
        host.clock().set(m.from);
        host.clock().advance(m.by);
        EXPECT_EQ(host.clock().now(), m.to) << m.from << " + " << m.by;
    }

    host.faults().failOperation(kAIUserSuite, "GetDateAndTime", host_test::kNope);
    EXPECT_EQ(user->GetDateAndTime(&now), host_test::kNope);
    host.faults().failOperation(kAIUserSuite, "GetDateAndTime", kNoErr);
    EXPECT_EQ(user->GetDateAndTime(&now), kNoErr);

    EXPECT_EQ(user->MessageAlert("Impossible, locked layer!"), kNoErr);
    EXPECT_EQ(host.log().lines().back(), "alert: \"Impossible, locked layer!\"");
    EXPECT_EQ(host.basic()->ReleaseSuite(kAIUserSuite, kAIUserSuiteVersion), kNoErr);
}

TEST(Host, RefusesHandlesItNeverGaveOut)
{
    host::Host host({});
    const auto* notifier = host_test::Acquire<AINotifierSuite>(host, kAINotifierSuite, kAINotifierSuiteVersion);
    AINotifierHandle handle = nullptr;
    EXPECT_EQ(notifier->AddNotifier(reinterpret_cast<SPPluginRef>(0x10), "N", kAIApplicationStartedNotifier, &handle),
              kBadHandleErr);
    EXPECT_EQ(notifier->SetNotifierActive(reinterpret_cast<AINotifierHandle>(0x99), true), kBadHandleErr);
    host.basic()->ReleaseSuite(kAINotifierSuite, kAINotifierSuiteVersion);
}

} // namespace
