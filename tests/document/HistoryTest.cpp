// The undo history over the document suites: each step taken back gives the document exactly
// as it was, the same handles live again, and done again gives it as it was after the step.
#include "DocumentSuites.h"
#include "Tree.h"

namespace {

using testing_document::DocumentSuites;

class History : public DocumentSuites {
protected:
    std::string tree() { return host::render::treeOf(host.document(), host.fonts()); }
    AIPathSegment corner(AIReal h, AIReal v) { return AIPathSegment{{h, v}, {h, v}, {h, v}, true}; }
    host::UndoHistory& history() { return host.history(); }
};

TEST_F(History, EachStepUndoneAndRedoneGivesTheDocumentAsItWas)
{
    AIArtHandle group = nullptr, rule = nullptr, other = nullptr, text = nullptr;
    AILayerHandle second = nullptr;
    // Each step as a plug-in would make it through the suites.
    const struct {
        const char* name;
        std::function<void()> make;
    } steps[] = {
        {"Make",
         [&] {
             group = make(kGroupArt, kPlaceAboveAll, nullptr);
             rule = make(kPathArt, kPlaceInsideOnTop, group);
             other = make(kPathArt, kPlaceInsideOnTop, group);
             const AIPathSegment segments[] = {corner(10, 10), corner(90, 10)};
             ASSERT_EQ(path->SetPathSegmentCount(rule, 2), kNoErr);
             ASSERT_EQ(path->SetPathSegments(rule, 0, 2, segments), kNoErr);
         }},
        {"Name", [&] { ASSERT_EQ(art->SetArtName(group, "Table"), kNoErr); }},
        {"Restyle",
         [&] {
             AIPathStyle style = host::doc::Document::defaultPathStyle();
             style.stroke.width = 4;
             ASSERT_EQ(pathStyle->SetPathStyle(rule, &style), kNoErr);
             ASSERT_EQ(path->SetPathClosed(rule, true), kNoErr);
         }},
        {"Dispose", [&] { ASSERT_EQ(art->DisposeArt(other), kNoErr); }},
        {"Move",
         [&] {
             const AIRealMatrix shift{1, 0, 0, 1, 5, -7};
             ASSERT_EQ(transform->TransformArt(group, &shift, 1, kTransformObjects), kNoErr);
         }},
        {"Layer",
         [&] {
             ASSERT_EQ(layer->InsertLayer(nullptr, kPlaceAboveAll, &second), kNoErr);
             ASSERT_EQ(layer->SetCurrentLayer(second), kNoErr);
             text = pointText(layerGroup(), {20, 30});
         }},
        {"Remove", [&] { ASSERT_EQ(art->DisposeArt(group), kNoErr); }},
    };
    std::vector<std::string> trees{tree()};
    for (const auto& step : steps) {
        step.make();
        history().close(step.name);
        trees.push_back(tree());
    }
    ASSERT_EQ(history().steps(), std::size(steps));

    for (size_t i = std::size(steps); i-- > 0;) {
        EXPECT_EQ(history().undo(), steps[i].name);
        EXPECT_EQ(tree(), trees[i]) << "after undoing " << steps[i].name;
    }
    EXPECT_EQ(history().undo(), "") << "nothing left to undo";
    EXPECT_FALSE(host.document().valid(group));
    for (size_t i = 0; i < std::size(steps); ++i) {
        EXPECT_EQ(history().redo(), steps[i].name);
        EXPECT_EQ(tree(), trees[i + 1]) << "after redoing " << steps[i].name;
    }
    EXPECT_EQ(history().redo(), "");

    // The disposed table comes back under its own handles, its path with its points.
    EXPECT_EQ(history().undo(), "Remove");
    ASSERT_TRUE(host.document().valid(group));
    EXPECT_EQ(name(group), "Table");
    ai_int16 count = 0;
    EXPECT_EQ(path->GetPathSegmentCount(rule, &count), kNoErr);
    EXPECT_EQ(count, 2);
    EXPECT_FALSE(host.document().valid(other));
    EXPECT_TRUE(host.document().valid(text));
}

TEST_F(History, ANewStepDropsWhatWasUndoneAndAFailedCallIsNoStep)
{
    const AIArtHandle group = make(kGroupArt, kPlaceAboveAll, nullptr);
    history().close("Make");
    ASSERT_EQ(art->SetArtName(group, "First"), kNoErr);
    history().close("Name");
    EXPECT_EQ(history().undo(), "Name");
    EXPECT_EQ(history().redoName(), "Name");
    ASSERT_EQ(art->SetArtName(group, "Second"), kNoErr);
    history().close("Rename");
    EXPECT_EQ(history().redoName(), "") << "the undone step no longer follows";
    EXPECT_EQ(history().redo(), "");
    EXPECT_EQ(name(group), "Second");

    // Refused calls change nothing, and leave nothing to take back.
    const std::string before = tree();
    EXPECT_EQ(art->SetArtName(group, nullptr), kBadParameterErr);
    EXPECT_EQ(path->SetPathSegmentCount(group, 3), kBadHandleErr);
    AIPathStyle bad = host::doc::Document::defaultPathStyle();
    bad.stroke.width = -1;
    const AIArtHandle rule = make(kPathArt, kPlaceInsideOnTop, group);
    history().close("Rule");
    EXPECT_EQ(pathStyle->SetPathStyle(rule, &bad), kBadParameterErr);
    history().close("Refused");
    EXPECT_EQ(history().undoName(), "Rule");
    EXPECT_EQ(history().undo(), "Rule");
    EXPECT_EQ(tree(), before);
}

TEST_F(History, KeepsTheLastHundredSteps)
{
    const AIArtHandle group = make(kGroupArt, kPlaceAboveAll, nullptr);
    history().close("Make");
    for (int i = 0; i < 150; ++i) {
        ASSERT_EQ(art->SetArtName(group, std::to_string(i).c_str()), kNoErr);
        history().close("Name " + std::to_string(i));
    }
    EXPECT_EQ(history().steps(), host::UndoHistory::kMostSteps);
    const size_t held = history().bytes();
    EXPECT_GT(held, 0u);
    size_t undone = 0;
    while (!history().undo().empty())
        ++undone;
    EXPECT_EQ(undone, host::UndoHistory::kMostSteps);
    // The oldest steps were dropped: the group stays, named as after step 49.
    EXPECT_EQ(name(group), "49");
    history().clear();
    EXPECT_EQ(history().bytes(), 0u);
    EXPECT_EQ(history().redo(), "");
}

TEST_F(History, ChoosingTheLayerThatIsCurrentIsNoStep)
{
    const AILayerHandle current = host.document().currentLayer();
    ASSERT_EQ(layer->SetCurrentLayer(current), kNoErr);
    history().close("Same layer");
    EXPECT_EQ(history().steps(), 0u);
    AILayerHandle other = nullptr;
    ASSERT_EQ(layer->InsertLayer(nullptr, kPlaceAboveAll, &other), kNoErr);
    ASSERT_EQ(layer->SetCurrentLayer(other), kNoErr);
    history().close("Other layer");
    EXPECT_EQ(history().undo(), "Other layer");
    EXPECT_EQ(host.document().currentLayer(), current) << "the current layer comes back too";
}

} // namespace

namespace {

using testing_document::DocumentSuites;

class SavedPlace : public DocumentSuites {
protected:
    void step(const std::string& name)
    {
        ASSERT_EQ(art->SetArtName(group, name.c_str()), kNoErr);
        host.history().close(name);
    }
    void saved() { host.markSaved(); }
    void SetUp() override
    {
        DocumentSuites::SetUp();
        group = make(kGroupArt, kPlaceAboveAll, nullptr);
        host.history().close("Make");
    }
    AIArtHandle group = nullptr;
};

TEST_F(SavedPlace, UndoAndRedoBackToTheSavedDrawingLeaveNothingToSave)
{
    // After each action: whether the drawing has changes to save.
    const struct {
        const char* action;
        bool modified;
    } actions[] = {
        {"a", true}, {"save", false}, {"b", true},     {"undo", false}, {"undo", true},
        {"redo", false}, {"redo", true}, {"undo", false}, {"undo", true}, {"c", true},
        {"undo", true}, // the saved place was after "a", dropped by "c"
        {"save", false}, {"redo", true}, {"undo", false},
    };
    for (const auto& a : actions) {
        const std::string action = a.action;
        if (action == "save")
            saved();
        else if (action == "undo")
            host.undo();
        else if (action == "redo")
            host.redo();
        else
            step(action);
        EXPECT_EQ(host.document().modified(), a.modified) << "after " << action;
    }
}

TEST_F(SavedPlace, ThePlaceTheBoundsLetGoIsNeverReachedAgain)
{
    saved();
    for (size_t i = 0; i <= host::UndoHistory::kMostSteps; ++i)
        step(std::to_string(i));
    while (!host.undo().empty()) {
    }
    EXPECT_TRUE(host.document().modified()) << "the first step was let go: this is not the drawing saved";
    host.history().clear();
    EXPECT_TRUE(host.history().atSaved()) << "an opened drawing is as saved";
    host.history().forgetSaved();
    EXPECT_FALSE(host.history().atSaved());
}

} // namespace
