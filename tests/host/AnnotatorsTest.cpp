// Annotators and the plug-in's option flags, as the suites keep them.
#include "HostSuites.h"
#include "sdk/AIAnnotator.h"
#include "sdk/AIPlugin.h"

#include <algorithm>
#include <tuple>

namespace {

using namespace host_test;

TEST(HostAnnotators, AddedActiveThenSwitchedAndTheirRedrawRequestsKept)
{
    host::Host host({});
    const SPPluginRef self = host::PluginManager::refOf(host.plugins().addInProcess("Owner", Quiet));
    const auto* annotator = Acquire<AIAnnotatorSuite>(host, kAIAnnotatorSuite, kAIAnnotatorSuiteVersion);

    AIAnnotatorHandle anno = got<AIAnnotatorHandle>([&](auto* a) { return annotator->AddAnnotator(self, "VaroAnno", a); });
    const auto active = [&] { return got<ASBoolean>([&](auto* a) { return annotator->GetAnnotatorActive(anno, a); }, 7); };
    EXPECT_EQ(active(), 1) << "a new annotator draws";
    ASSERT_EQ(annotator->SetAnnotatorActive(anno, false), kNoErr);
    EXPECT_EQ(active(), 0);
    EXPECT_EQ(annotator->SetAnnotatorActive(reinterpret_cast<AIAnnotatorHandle>(uintptr_t{5}), true), kBadHandleErr);
    EXPECT_EQ(annotator->AddAnnotator(self, nullptr, &anno), kBadParameterErr);

    const AIRect first{10, 20, 30, 40}, second{0, 0, 5, 5};
    ASSERT_EQ(annotator->InvalAnnotationRect(nullptr, &first), kNoErr);
    ASSERT_EQ(annotator->InvalAnnotationRect(nullptr, &second), kNoErr);
    const std::vector<AIRect> taken = host.annotators().takeInvalidated();
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].right, 30);
    EXPECT_TRUE(host.annotators().takeInvalidated().empty());

    // Requests nobody draws are kept in bounded memory: past a few, as the one rectangle that
    // holds them all, whichever way up each was given.
    for (ai_int32 i = 0; i <= 1000; ++i) {
        const AIRect r = i % 2 ? AIRect{i, 2 * i, i + 1, 2 * i + 3} : AIRect{i + 1, 2 * i + 3, i, 2 * i};
        ASSERT_EQ(annotator->InvalAnnotationRect(nullptr, &r), kNoErr);
    }
    const std::vector<AIRect> merged = host.annotators().takeInvalidated();
    ASSERT_FALSE(merged.empty());
    ASSERT_LE(merged.size(), (host::Invalidations<AIRect, false>::kMostKept));
    AIRect all = merged[0];
    for (const AIRect& r : merged) {
        all.left = std::min({all.left, r.left, r.right});
        all.top = std::min({all.top, r.top, r.bottom});
        all.right = std::max({all.right, r.left, r.right});
        all.bottom = std::max({all.bottom, r.top, r.bottom});
    }
    EXPECT_EQ(std::tie(all.left, all.top, all.right, all.bottom), std::make_tuple(0, 0, 1001, 2003));

    const auto* plugin = Acquire<AIPluginSuite>(host, kAIPluginSuite, kAIPluginSuiteVersion);
    const auto options = [&] { return got<ai_int32>([&](auto* o) { return plugin->GetPluginOptions(self, o); }, -1); };
    EXPECT_EQ(options(), 0);
    ASSERT_EQ(plugin->SetPluginOptions(self, 6), kNoErr);
    EXPECT_EQ(options(), 6);
    ai_int32 none = -1;
    EXPECT_EQ(plugin->GetPluginOptions(nullptr, &none), kBadHandleErr);
}

} // namespace
