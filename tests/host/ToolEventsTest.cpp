// The pointer's events as the selected tool's plug-in hears them, and the event loop's
// answer to the keys a plug-in posts.
#include "Host.h"
#include "KeyboardEvents.h"
#include "sdk/AITool.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

struct Heard {
    std::string selector;
    AIToolHandle tool = nullptr;
    AIRealPoint cursor{};
    AIReal pressure = 0;
    bool hasEvent = false;
    AIEvent event{};
};
std::vector<Heard> gHeard;

// What a panel change does: the fn key, pressed.
void PostKey()
{
    ns::EventRef event = ns::EventCreateKeyboardEvent(nullptr, 63, true);
    ns::EventPost(ns::SessionEventTap, event);
    ns::Release(event);
}
std::function<void()> gWhileHandling; // run inside each tool message, when set

ASErr ToolOwner(const char* caller, const char* selector, void* data)
{
    if (std::string(caller) != kCallerAITool)
        return kNoErr;
    const auto* message = static_cast<const AIToolMessage*>(data);
    Heard heard{selector, message->tool, message->cursor, message->pressure, message->event != nullptr, {}};
    if (message->event != nullptr)
        heard.event = *message->event;
    gHeard.push_back(heard);
    if (gWhileHandling)
        gWhileHandling();
    return kNoErr;
}

class ToolEvents : public testing::Test {
protected:
    ToolEvents() : host_({})
    {
        gHeard.clear();
        gWhileHandling = nullptr;
        ns::takePostedEvents(); // what earlier tests left
        owner_ = &host_.plugins().addInProcess("Owner", ToolOwner);
        tracking_ = Add("Tracking Tool", kToolWantsToTrackCursorOption);
        plain_ = Add("Plain Tool", 0);
        host_.launch();
        host_.log().takeUnread();
    }
    ~ToolEvents() override { gWhileHandling = nullptr; }

    AIToolHandle Add(const char* name, ai_int32 options)
    {
        const AIAddToolData data{name, "tip", 0, 0, kNoTool, kNoTool};
        AIToolHandle made = nullptr;
        EXPECT_EQ(host_.tools().add(owner_, name, &data, options, &made), kNoErr);
        return made;
    }
    void Select(AIToolHandle tool)
    {
        host_.tools().select(*host_.tools().find(tool));
        gHeard.clear();
        host_.log().takeUnread();
    }

    host::Host host_;
    host::PluginRecord* owner_ = nullptr;
    AIToolHandle tracking_ = nullptr, plain_ = nullptr;
};

TEST_F(ToolEvents, EachEventCarriesTheToolThePointTheKeysAndAFullPressure)
{
    Select(tracking_);
    const struct {
        host::ToolEventKind kind;
        const char* selector;
        ai_uint16 what;
        AIRealPoint cursor;
        ai_uint16 modifiers;
        const char* logged;
    } cases[] = {
        {host::ToolEventKind::MouseDown, kSelectorAIToolMouseDown, host::kMouseDownEvent, {100, 700}, 0,
         "Owner: \"AI Tool\" \"AI Mouse Down\" (100, 700) -> 0"},
        {host::ToolEventKind::MouseDrag, kSelectorAIToolMouseDrag, host::kNullEvent, {-12.5f, 0.25f},
         aiEventModifiers_shiftKey, "Owner: \"AI Tool\" \"AI Mouse Drag\" (-12.5, 0.25) shift -> 0"},
        {host::ToolEventKind::MouseUp, kSelectorAIToolMouseUp, host::kMouseUpEvent, {300, 600},
         aiEventModifiers_optionKey, "Owner: \"AI Tool\" \"AI Mouse Up\" (300, 600) option -> 0"},
        {host::ToolEventKind::MouseUp, kSelectorAIToolMouseUp, host::kMouseUpEvent, {1000000, -0.0f}, 0,
         "Owner: \"AI Tool\" \"AI Mouse Up\" (1000000, 0) -> 0"}, // never an exponent, nor -0
        {host::ToolEventKind::TrackCursor, kSelectorAITrackToolCursor, host::kNullEvent, {1, 2},
         aiEventModifiers_shiftKey | aiEventModifiers_optionKey,
         "Owner: \"AI Tool\" \"AI Track Cursor\" (1, 2) shift option -> 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selector);
        gHeard.clear();
        ASSERT_TRUE(host_.toolEvents().send(c.kind, c.cursor, c.modifiers));
        ASSERT_EQ(gHeard.size(), 1u);
        const Heard& heard = gHeard[0];
        EXPECT_EQ(std::tie(heard.selector, heard.tool, heard.cursor.h, heard.cursor.v, heard.pressure),
                  std::make_tuple(c.selector, tracking_, c.cursor.h, c.cursor.v, 1.0f));
        ASSERT_TRUE(heard.hasEvent);
        const AIPoint where = host_.documentView().artworkToView(c.cursor);
        EXPECT_EQ(std::tie(heard.event.modifiers, heard.event.what, heard.event.where.h, heard.event.where.v),
                  std::make_tuple(c.modifiers, c.what, where.h, where.v));
        EXPECT_EQ(host_.log().takeUnread(), std::vector<std::string>{c.logged});
        EXPECT_EQ(std::make_tuple(host_.toolEvents().lastCursor().h, host_.toolEvents().lastModifiers()),
                  std::make_tuple(c.cursor.h, c.modifiers));
    }
    // Editing the options happens where the pointer last was.
    gHeard.clear();
    ASSERT_TRUE(host_.toolEvents().editOptions());
    ASSERT_EQ(gHeard.size(), 1u);
    EXPECT_EQ(std::tie(gHeard[0].selector, gHeard[0].cursor.h, gHeard[0].cursor.v),
              std::make_tuple(kSelectorAIEditToolOptions, 1.0f, 2.0f));
}

TEST_F(ToolEvents, OnlyAPluginsToolHearsThemAndOnlyATrackingOneTheCursor)
{
    const struct {
        const char* what;
        std::function<void()> select;
        std::vector<std::string> heard; // for down, track, edit options, in order
    } cases[] = {
        {"the host's own tool", [&] { host_.tools().select(*host_.tools().withName("Adobe Pen Tool")); }, {}},
        {"a tool that tracks", [&] { Select(tracking_); },
         {kSelectorAIToolMouseDown, kSelectorAITrackToolCursor, kSelectorAIEditToolOptions}},
        {"a tool that does not", [&] { Select(plain_); }, {kSelectorAIToolMouseDown, kSelectorAIEditToolOptions}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.select();
        gHeard.clear();
        host_.toolEvents().send(host::ToolEventKind::MouseDown, {5, 6}, 0);
        host_.toolEvents().send(host::ToolEventKind::TrackCursor, {7, 8}, 0);
        host_.toolEvents().editOptions();
        std::vector<std::string> selectors;
        for (const Heard& heard : gHeard)
            selectors.push_back(heard.selector);
        EXPECT_EQ(selectors, c.heard);
        // The pointer moved all the same.
        EXPECT_EQ(host_.toolEvents().lastCursor().h, 7);
    }
}

TEST_F(ToolEvents, APluginThatIsNotRunningHearsNothingAndTheHostSaysSo)
{
    Select(tracking_);
    host_.quit();
    host_.log().takeUnread();
    gHeard.clear();
    EXPECT_FALSE(host_.toolEvents().send(host::ToolEventKind::MouseDown, {1, 1}, 0));
    EXPECT_TRUE(gHeard.empty());
    EXPECT_EQ(host_.log().takeUnread(),
              std::vector<std::string>{"warning: \"Tracking Tool\": its plug-in is not running; \"AI Mouse Down\" not sent"});
    // A posted key is simply not answered.
    PostKey();
    EXPECT_EQ(host_.deliverPendingEvents(), 0u);
    EXPECT_FALSE(ns::hasPostedEvents());
}

TEST_F(ToolEvents, EveryPostedKeyBecomesOneTrackCursorAtTheLastPointWithNoKeys)
{
    Select(tracking_);
    host_.toolEvents().send(host::ToolEventKind::MouseUp, {40, 50}, aiEventModifiers_shiftKey);
    gHeard.clear();
    EXPECT_EQ(host_.deliverPendingEvents(), 0u) << "nothing posted, nothing sent";
    PostKey();
    PostKey();
    EXPECT_EQ(host_.deliverPendingEvents(), 2u);
    ASSERT_EQ(gHeard.size(), 2u);
    for (const Heard& heard : gHeard)
        EXPECT_EQ(std::tie(heard.selector, heard.cursor.h, heard.cursor.v, heard.event.modifiers, heard.event.what),
                  std::make_tuple(kSelectorAITrackToolCursor, 40.0f, 50.0f, 0, host::kKeyDownEvent));
    EXPECT_FALSE(ns::hasPostedEvents());

    // A key posted while answering waits for the next round rather than looping.
    gHeard.clear();
    int posts = 0;
    gWhileHandling = [&] {
        if (posts++ < 1)
            PostKey();
    };
    PostKey();
    for (const bool waiting : {true, false}) {
        EXPECT_EQ(host_.deliverPendingEvents(), 1u);
        EXPECT_EQ(ns::hasPostedEvents(), waiting);
    }

    // A tool that does not track drops them.
    gWhileHandling = nullptr;
    Select(plain_);
    PostKey();
    EXPECT_EQ(host_.deliverPendingEvents(), 0u);
    EXPECT_EQ(std::make_tuple(gHeard.size(), ns::hasPostedEvents()), std::make_tuple(size_t{0}, false));
}

} // namespace
