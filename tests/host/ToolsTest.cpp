// The host's tools: added beside the host's own, grouped, found by title, selected with the
// messages their plug-ins hear.
#include "HostSuites.h"
#include "sdk/AITool.h"

namespace {

using host_test::got;
std::vector<std::string> gHeard;

ASErr ToolOwner(const char* caller, const char* selector, void*)
{
    if (std::string(caller) == kCallerAITool)
        gHeard.push_back(selector);
    return kNoErr;
}

class HostTools : public testing::Test {
protected:
    HostTools() : host_({})
    {
        gHeard.clear();
        owner_ = &host_.plugins().addInProcess("Owner", ToolOwner);
        tools_ = host_test::Acquire<AIToolSuite>(host_, kAIToolSuite, kAIToolSuiteVersion);
    }
    ASErr Add(const char* name, AIToolType group, AIToolType toolset, AIToolHandle* tool)
    {
        const AIAddToolData data{name, "tip", 16051, 16052, group, toolset};
        return tools_->AddTool(host::PluginManager::refOf(*owner_), name, &data, kToolWantsToTrackCursorOption, tool);
    }

    host::Host host_;
    host::PluginRecord* owner_ = nullptr;
    const AIToolSuite* tools_ = nullptr;
};

TEST_F(HostTools, ANewToolJoinsTheGroupItNamesOrOpensItsOwn)
{
    const AIToolType eyedropper = got<AIToolType>([&](auto* t) { return tools_->GetToolNumberFromTitle("Adobe Eyedropper Tool", t); }, kNoTool);
    AIToolType unknown = 77;
    EXPECT_EQ(tools_->GetToolNumberFromTitle("Varo Grid Tool", &unknown), kNameNotFoundErr);
    EXPECT_EQ(unknown, 77) << "untouched when no tool has the title";

    // A tool of its own group, or in the eyedropper's group and toolset: the Table Tool's
    // placement tests. Here, a tool that names a follower of a group joins its leader's.
    const AIToolHandle grouped = got<AIToolHandle>([&](auto* t) { return Add("Table Tool", eyedropper, eyedropper, t); });
    const host::Tool* g = host_.tools().find(grouped);
    const AIToolHandle follower = got<AIToolHandle>([&](auto* t) { return Add("Follower Tool", g->number, kNoTool, t); });
    EXPECT_EQ(host_.tools().find(follower)->group, eyedropper) << "the group's leader leads it";
    AIToolHandle twice = nullptr;

    EXPECT_EQ(Add("Table Tool", kNoTool, kNoTool, &twice), kBadParameterErr) << "a name already taken";
    EXPECT_EQ(Add("Stray Tool", 999, kNoTool, &twice), kBadParameterErr) << "a group of no tool";
    EXPECT_EQ(tools_->AddTool(host::PluginManager::refOf(*owner_), "x", nullptr, 0, &twice), kBadParameterErr);

    const AIToolInfoVariable vars[] = {15, 16, 23, kInfoEndOfList};
    EXPECT_EQ(tools_->SetToolInfoVars(grouped, vars), kNoErr);
    EXPECT_EQ(g->infoVariables, (std::vector<AIToolInfoVariable>{15, 16, 23}));
    EXPECT_EQ(tools_->SetToolInfoVars(reinterpret_cast<AIToolHandle>(uintptr_t{8}), vars), kBadHandleErr);
}

TEST_F(HostTools, SelectingTellsTheOldToolsPluginThenTheNewOnes)
{
    const AIToolHandle table = got<AIToolHandle>([&](auto* t) { return Add("Table Tool", kNoTool, kNoTool, t); });
    const auto selected = [&] { return host_.tools().find(got<AIToolHandle>([&](auto* t) { return tools_->GetSelectedTool(t); }))->name; };
    EXPECT_EQ(selected(), "Adobe Select Tool");

    EXPECT_EQ(tools_->SetSelectedTool(table), kNoErr);
    EXPECT_EQ(tools_->SetSelectedTool(table), kNoErr) << "again: nothing new to tell";
    EXPECT_EQ(tools_->SetSelectedToolByName("Adobe Select Tool"), kNoErr);
    EXPECT_EQ(tools_->SetSelectedToolByName("No Such Tool"), kNameNotFoundErr);
    EXPECT_EQ(gHeard, (std::vector<std::string>{kSelectorAISelectTool, kSelectorAIDeselectTool}));
    EXPECT_EQ(selected(), "Adobe Select Tool");
}

} // namespace
