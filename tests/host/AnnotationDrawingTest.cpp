// What annotators draw: the drawer's state and items, its argument checks and made-to-order
// failures, and the drawing pass that hands each active annotator a fresh drawer.
#include "HostSuites.h"
#include "sdk/AIAnnotator.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

// What the test plug-in does inside "AI Draw", with the drawer suite and the message.
std::function<void(const AIAnnotatorDrawerSuite&, const AIAnnotatorMessage&)> gDraw;
std::vector<AIAnnotatorMessage> gMessages;

ASErr Annotating(const char* caller, const char* selector, void* data)
{
    if (std::string(caller) != kCallerAIAnnotation || std::string(selector) != kSelectorAIDrawAnnotation)
        return kNoErr;
    const auto* message = static_cast<const AIAnnotatorMessage*>(data);
    gMessages.push_back(*message);
    const void* suite = nullptr;
    if (ASErr error = message->d.basic->AcquireSuite(kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion, &suite))
        return error;
    if (gDraw)
        gDraw(*static_cast<const AIAnnotatorDrawerSuite*>(suite), *message);
    return message->d.basic->ReleaseSuite(kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion);
}

class AnnotationDrawing : public testing::Test {
protected:
    AnnotationDrawing() : host_({})
    {
        gDraw = nullptr;
        gMessages.clear();
        owner_ = &host_.plugins().addInProcess("Owner", Annotating);
        EXPECT_EQ(host_.annotators().add(owner_, "First", &first_), kNoErr);
        host_.launch();
    }
    ~AnnotationDrawing() override { gDraw = nullptr; }

    host::Host host_;
    host::PluginRecord* owner_ = nullptr;
    AIAnnotatorHandle first_ = nullptr;
};

TEST_F(AnnotationDrawing, EachItemKeepsTheStateInForceAndRectanglesHaveOrderedCorners)
{
    const AIRGBColor red{65535, 0, 0};
    gDraw = [&](const AIAnnotatorDrawerSuite& s, const AIAnnotatorMessage& m) {
        const AIRect unordered{300, 200, 100, 50}; // right of left, bottom above top
        const AIPoint at{12, 34};
        // In this order: a braced list is evaluated from left to right.
        for (const ASErr done : {s.DrawRect(m.drawer, &unordered, false), s.SetColor(m.drawer, &red), s.SetLineWidth(m.drawer, 2.5f),
                                 s.SetLineDashed(m.drawer, true), s.DrawRect(m.drawer, &unordered, true),
                                 s.SetFontPreset(m.drawer, 0), s.DrawText(m.drawer, "Click", &at)})
            EXPECT_EQ(done, kNoErr);
    };
    const std::vector<host::DrawnItem> drawn = host_.drawAnnotations();
    ASSERT_EQ(drawn.size(), 3u);

    EXPECT_EQ(drawn[0].kind, host::DrawnItem::Kind::Outline);
    for (const auto& item : {drawn[0], drawn[1]})
        EXPECT_EQ(std::tie(item.rect.left, item.rect.top, item.rect.right, item.rect.bottom), std::make_tuple(100, 50, 300, 200));
    EXPECT_EQ(std::tie(drawn[0].state.color.red, drawn[0].state.lineWidth, drawn[0].state.dashed), std::make_tuple(0, 1.0f, false))
        << "black, 1 wide and solid to begin with";
    EXPECT_EQ(drawn[1].kind, host::DrawnItem::Kind::Fill);
    EXPECT_EQ(std::tie(drawn[1].state.color.red, drawn[1].state.lineWidth, drawn[1].state.dashed), std::make_tuple(red.red, 2.5f, true));
    EXPECT_EQ(std::tie(drawn[2].kind, drawn[2].text, drawn[2].point.h, drawn[2].point.v),
              std::make_tuple(host::DrawnItem::Kind::Text, "Click", 12, 34));
    ASSERT_NE(host::annotationFont(drawn[2].state.fontPreset), nullptr);

    ASSERT_EQ(gMessages.size(), 1u);
    EXPECT_EQ(std::tie(gMessages[0].annotator, gMessages[0].view), std::make_tuple(first_, host_.documentView().handle()));
    EXPECT_EQ(host_.log().lines().back(), "Owner: \"AI Annotation\" \"AI Draw\" \"First\" -> 0");
}

TEST_F(AnnotationDrawing, EveryOperationChecksItsDrawerItsArgumentsAndMadeToOrderFailures)
{
    using Operation = std::function<ASErr(const AIAnnotatorDrawerSuite&, AIAnnotatorDrawer*)>;
    const AIRGBColor color{1, 2, 3};
    const AIRect rect{0, 0, 4, 4};
    const AIPoint point{1, 1};
    const struct {
        const char* name;
        Operation good;
        Operation bad; // a bad argument with a good drawer; null where none can be
    } cases[] = {
        {"SetColor", [&](auto& s, auto* d) { return s.SetColor(d, &color); },
         [](auto& s, auto* d) { return s.SetColor(d, nullptr); }},
        {"SetLineWidth", [](auto& s, auto* d) { return s.SetLineWidth(d, 3); },
         [](auto& s, auto* d) { return s.SetLineWidth(d, -1); }},
        {"SetLineDashed", [](auto& s, auto* d) { return s.SetLineDashed(d, true); }, nullptr},
        {"SetFontPreset", [](auto& s, auto* d) { return s.SetFontPreset(d, 0); },
         [](auto& s, auto* d) { return s.SetFontPreset(d, -7); }},
        {"DrawRect", [&](auto& s, auto* d) { return s.DrawRect(d, &rect, false); },
         [](auto& s, auto* d) { return s.DrawRect(d, nullptr, false); }},
        {"DrawText", [&](auto& s, auto* d) { return s.DrawText(d, "x", &point); },
         [&](auto& s, auto* d) { return s.DrawText(d, nullptr, &point); }},
    };
    const ASErr refused = AS_FOUR_CHAR('N', 'O', 'P', 'E');
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AIAnnotatorDrawer* kept = nullptr;
        gDraw = [&](const AIAnnotatorDrawerSuite& s, const AIAnnotatorMessage& m) {
            kept = m.drawer;
            EXPECT_EQ(c.good(s, nullptr), kBadParameterErr);
            EXPECT_EQ(c.good(s, reinterpret_cast<AIAnnotatorDrawer*>(uintptr_t{16})), kBadHandleErr);
            if (c.bad) {
                EXPECT_EQ(c.bad(s, m.drawer), kBadParameterErr);
            }
            host_.faults().failOperation(kAIAnnotatorDrawerSuite, c.name, refused);
            EXPECT_EQ(c.good(s, m.drawer), refused);
            host_.faults().clear();
        };
        const std::vector<host::DrawnItem> drawn = host_.drawAnnotations();
        EXPECT_TRUE(drawn.empty()) << "nothing refused is drawn";
        // Kept past its message, the drawer is the plug-in's no more.
        EXPECT_EQ(c.good(*host_test::Acquire<AIAnnotatorDrawerSuite>(host_, kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion), kept),
                  kBadHandleErr);
    }
}

TEST_F(AnnotationDrawing, OnlyActiveAnnotatorsDrawEachWithAFreshDrawer)
{
    AIAnnotatorHandle second = nullptr, sleeping = nullptr;
    ASSERT_EQ(host_.annotators().add(owner_, "Second", &second), kNoErr);
    ASSERT_EQ(host_.annotators().add(owner_, "Sleeping", &sleeping), kNoErr);
    host_.annotators().find(sleeping)->active = false;
    std::vector<AIAnnotatorDrawer*> drawers;
    gDraw = [&](const AIAnnotatorDrawerSuite& s, const AIAnnotatorMessage& m) {
        drawers.push_back(m.drawer);
        const AIRGBColor white{65535, 65535, 65535};
        const AIRect rect{0, 0, 1, 1};
        EXPECT_EQ(s.DrawRect(m.drawer, &rect, true), kNoErr); // in the state handed over
        EXPECT_EQ(s.SetColor(m.drawer, &white), kNoErr);
        EXPECT_EQ(s.SetLineWidth(m.drawer, 9), kNoErr);
    };
    const std::vector<host::DrawnItem> drawn = host_.drawAnnotations();
    ASSERT_EQ(gMessages.size(), 2u);
    EXPECT_EQ(gMessages[0].annotator, first_);
    EXPECT_EQ(gMessages[1].annotator, second);
    ASSERT_EQ(drawn.size(), 2u);
    for (const auto& item : drawn) {
        EXPECT_EQ(item.state.color.red, 0) << "each drawer starts afresh";
        EXPECT_EQ(item.state.lineWidth, 1);
    }

    // An annotator whose plug-in stopped is left out, and the log says so.
    host_.quit();
    gMessages.clear();
    EXPECT_TRUE(host_.drawAnnotations().empty());
    EXPECT_TRUE(gMessages.empty());
    EXPECT_EQ(host_.log().lines().back(), "Owner: not running; annotator \"Second\" not drawn");
}

} // namespace
