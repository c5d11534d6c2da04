// The selection tool as a person uses it on the artboard: a click picks the object under the
// pointer, Shift adds or takes away, a click on nothing picks nothing, a drag moves what is
// picked as one step, Delete takes it away; locked and hidden layers are out of its reach.
#include "HostSuites.h"
#include "sdk/AIMatchingArt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using host::ToolEventKind;

class SelectionTool : public testing::Test {
protected:
    SelectionTool()
    {
        host.tools().select(*host.tools().withTitle(host::Selection::kToolTitle));
        left = square("left", 100, 700);
        right = square("right", 300, 700);
        host.history().close("Squares");
    }

    // A group holding one closed 50-point square whose top-left corner is at (x, y).
    AIArtHandle square(const std::string& name, AIReal x, AIReal y)
    {
        host::doc::Document& d = host.document();
        AIArtHandle group = nullptr, path = nullptr;
        EXPECT_EQ(d.newArt(host::doc::ArtKind::Group, kPlaceAboveAll, nullptr, &group), kNoErr);
        EXPECT_EQ(d.newArt(host::doc::ArtKind::Path, kPlaceInsideOnTop, group, &path), kNoErr);
        d.edit(group)->name = name;
        for (AIRealPoint p : {AIRealPoint{x, y}, AIRealPoint{x + 50, y}, AIRealPoint{x + 50, y - 50}, AIRealPoint{x, y - 50}})
            d.edit(path)->path().segments.push_back(AIPathSegment{p, p, p, true});
        d.edit(path)->path().closed = true;
        return group;
    }
    void click(AIReal x, AIReal y, ai_uint16 modifiers = 0)
    {
        host.toolEvents().send(ToolEventKind::MouseDown, {x, y}, modifiers);
        host.toolEvents().send(ToolEventKind::MouseUp, {x, y}, modifiers);
    }
    std::vector<std::string> picked()
    {
        std::vector<std::string> names;
        for (AIArtHandle each : host.selection().art())
            names.push_back(host.document().art(each)->name);
        return names;
    }
    AIReal leftOf(AIArtHandle art)
    {
        AIRealRect box{};
        EXPECT_EQ(host.document().bounds(art, &box), kNoErr);
        return box.left;
    }

    host::Host host{host::HostOptions{{}, {}, std::vector<std::string>{"Test Sans"}, {}}};
    AIArtHandle left = nullptr, right = nullptr;
};

TEST_F(SelectionTool, ClicksPickWhatIsUnderThePointer)
{
    const struct {
        AIReal x, y;
        ai_uint16 modifiers;
        std::vector<std::string> picked;
    } clicks[] = {
        {120, 680, 0, {"left"}},
        {320, 680, 0, {"right"}},                          // another object alone
        {120, 680, aiEventModifiers_shiftKey, {"right", "left"}}, // Shift adds
        {325, 660, aiEventModifiers_shiftKey, {"left"}},   // and takes away
        {152, 698, 0, {"left"}},                           // a pixel or two outside still reaches it
        {500, 300, aiEventModifiers_shiftKey, {"left"}},   // Shift on nothing keeps what is picked
        {500, 300, 0, {}},                                 // a click on nothing picks nothing
    };
    for (const auto& c : clicks) {
        click(c.x, c.y, c.modifiers);
        EXPECT_EQ(picked(), c.picked) << "click at " << c.x << ", " << c.y;
    }
    EXPECT_EQ(host.history().undoName(), "Squares") << "picking changes no drawing";
}

TEST_F(SelectionTool, ADragMovesWhatIsPickedAsOneStepAndDeleteTakesItAway)
{
    click(320, 680);
    click(120, 680, aiEventModifiers_shiftKey);
    // A press on a picked object drags all that is picked.
    host.toolEvents().send(ToolEventKind::MouseDown, {320, 680}, 0);
    for (AIReal x : {330.f, 345.f, 360.f})
        host.toolEvents().send(ToolEventKind::MouseDrag, {x, 670}, 0);
    host.toolEvents().send(ToolEventKind::MouseUp, {360, 670}, 0);
    EXPECT_EQ(leftOf(left), 140);
    EXPECT_EQ(leftOf(right), 340);
    EXPECT_EQ(host.history().steps(), 2u);
    EXPECT_EQ(host.history().undoName(), "Move");

    EXPECT_TRUE(host.selection().move(-40, 10));
    EXPECT_EQ(leftOf(left), 100);
    EXPECT_TRUE(host.selection().remove());
    EXPECT_FALSE(host.document().valid(left));
    EXPECT_TRUE(picked().empty());
    EXPECT_FALSE(host.selection().remove()) << "nothing left to delete";
    EXPECT_FALSE(host.selection().move(1, 1));

    EXPECT_EQ(host.history().undo(), "Delete");
    EXPECT_TRUE(host.document().valid(left));
    EXPECT_TRUE(picked().empty()) << "what was deleted comes back unpicked";
    EXPECT_EQ(host.history().undo(), "Move");
    EXPECT_EQ(leftOf(left), 140);
    EXPECT_EQ(host.history().undo(), "Move");
    EXPECT_EQ(leftOf(right), 300);
}

TEST_F(SelectionTool, LockedAndHiddenLayersAreOutOfReach)
{
    host::doc::Document& d = host.document();
    for (const auto& [editable, visible] : {std::pair{false, true}, std::pair{true, false}}) {
        d.editLayer(d.currentLayer())->editable = editable;
        d.editLayer(d.currentLayer())->visible = visible;
        click(120, 680);
        EXPECT_TRUE(picked().empty()) << "editable " << editable << ", visible " << visible;
    }
}

TEST_F(SelectionTool, WhatAnUndoTakesAwayIsPickedNoMore)
{
    const AIArtHandle third = square("third", 100, 400);
    host.history().close("Third");
    click(120, 380);
    EXPECT_EQ(picked(), std::vector<std::string>{"third"});
    EXPECT_EQ(host.history().undo(), "Third");
    EXPECT_TRUE(picked().empty());
    EXPECT_FALSE(host.selection().remove());
    EXPECT_FALSE(host.document().valid(third));
}

TEST_F(SelectionTool, AShiftClickThatTakesAnObjectAwayDragsNothing)
{
    click(120, 680);
    click(320, 680, aiEventModifiers_shiftKey);
    host.toolEvents().send(ToolEventKind::MouseDown, {320, 680}, aiEventModifiers_shiftKey);
    host.toolEvents().send(ToolEventKind::MouseDrag, {400, 600}, aiEventModifiers_shiftKey);
    host.toolEvents().send(ToolEventKind::MouseUp, {400, 600}, aiEventModifiers_shiftKey);
    EXPECT_EQ(picked(), std::vector<std::string>{"left"});
    EXPECT_EQ(leftOf(left), 100);
    EXPECT_EQ(leftOf(right), 300);
    EXPECT_EQ(host.history().undoName(), "Squares");
}

TEST_F(SelectionTool, WhatALayerLockedOrAnUndoTookIsPickedNoMoreEvenBroughtBack)
{
    click(120, 680);
    host.document().editLayer(host.document().currentLayer())->editable = false;
    EXPECT_FALSE(host.selection().move(10, 0)) << "a locked layer's object stays where it is";
    EXPECT_EQ(leftOf(left), 100);
    host.document().editLayer(host.document().currentLayer())->editable = true;
    host.history().close("Unlock");
    EXPECT_TRUE(picked().empty()) << "unlocking does not pick it again";

    click(120, 680);
    ASSERT_TRUE(host.selection().remove());
    EXPECT_EQ(host.history().undo(), "Delete");
    EXPECT_EQ(host.history().redo(), "Delete");
    EXPECT_EQ(host.history().undo(), "Delete");
    EXPECT_TRUE(host.document().valid(left));
    EXPECT_TRUE(picked().empty());
}

TEST_F(SelectionTool, PlugInsReadWhatIsPickedInTheOrderItWasPicked)
{
    const auto* matching = host_test::Acquire<AIMatchingArtSuite>(host, kAIMatchingArtSuite, kAIMatchingArtSuiteVersion);
    click(320, 680);
    click(120, 680, aiEventModifiers_shiftKey);
    const auto count = [&] { return host_test::got<ai_int32>([&](auto* n) { return matching->CountSelectedArt(n); }); };
    EXPECT_EQ(count(), 2);

    const struct {
        const char* what;
        ai_int32 capacity;
        bool nullMatches;
        std::vector<AIArtHandle> given;
    } reads[] = {
        {"room for more", 8, false, {right, left}},
        {"room for one", 1, false, {right}},
        {"room for none", 0, true, {}},
    };
    for (const auto& r : reads) {
        std::vector<AIArtHandle> matches(8, nullptr);
        ai_int32 selected = -1;
        ASSERT_EQ(matching->GetSelectedArt(r.nullMatches ? nullptr : matches.data(), r.capacity, &selected), kNoErr) << r.what;
        EXPECT_EQ(selected, 2) << r.what << ": how many are selected, whatever the room";
        matches.resize(r.given.size());
        EXPECT_EQ(matches, r.given) << r.what;
    }
    AIArtHandle one = nullptr;
    ai_int32 selected = 0;
    EXPECT_EQ(matching->GetSelectedArt(&one, 1, nullptr), kBadParameterErr);
    EXPECT_EQ(matching->GetSelectedArt(nullptr, 1, &selected), kBadParameterErr);
    EXPECT_EQ(matching->GetSelectedArt(&one, -1, &selected), kBadParameterErr);
    EXPECT_EQ(matching->CountSelectedArt(nullptr), kBadParameterErr);

    // What a deletion took away is selected no more.
    EXPECT_TRUE(host.selection().remove());
    EXPECT_EQ(count(), 0);
    host.faults().failOperation(kAIMatchingArtSuite, "CountSelectedArt", host_test::kNope);
    EXPECT_EQ(matching->CountSelectedArt(&selected), host_test::kNope);
}

} // namespace
