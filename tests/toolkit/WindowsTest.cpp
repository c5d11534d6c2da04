// Windows and the application: modal runs, main and key, hit-testing, tracking areas.
#include "Application.h"
#include "Image.h"
#include "RectFill.h"
#include "Screen.h"
#include "TextField.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(Modal, ARunEndsAtStopModalAndTheCallerGoesOn)
{
    ns::Application& app = ns::Application::sharedApplication();
    ns::Window dialog(ns::MakeRect(0, 0, 200, 100));
    int pumped = 0;
    app.setEventPump([&] {
        ++pumped;
        if (pumped == 3)
            app.stopModal(); // what an OK button's action does
        return true;
    });
    EXPECT_EQ(app.runModalForWindow(dialog), ns::ModalResponseStop);
    EXPECT_EQ(std::make_tuple(pumped, app.modalWindow(), dialog.isKeyWindow()), std::make_tuple(3, nullptr, true))
        << "no event taken after the stop; the dialog made key for its run";

    // A second request for the window running modally starts no second run.
    int nested = ns::ModalResponseStop;
    app.setEventPump([&] {
        nested = app.runModalForWindow(dialog);
        app.stopModal();
        return true;
    });
    EXPECT_EQ(app.runModalForWindow(dialog), ns::ModalResponseStop);
    EXPECT_EQ(nested, ns::ModalResponseAbort);

    // With nothing more to come the run cannot go on: it ends as aborted.
    app.setEventPump([] { return false; });
    EXPECT_EQ(app.runModalForWindow(dialog), ns::ModalResponseAbort);
    app.setEventPump(nullptr);
}

class Delegate : public ns::WindowDelegate {
public:
    std::vector<std::string> heard;
    void windowDidBecomeMain(ns::Window& w) override { heard.push_back("main " + w.title()); }
    void windowDidResignMain(ns::Window& w) override { heard.push_back("resign " + w.title()); }
    void windowDidMove(ns::Window& w) override { heard.push_back("move " + w.title()); }
};

// A window's picture drawn into an earlier one of its size is what a new picture shows, whatever
// the earlier one held, at the edge too where the window's size falls within a pixel; one of
// another size is not drawn into.
TEST(Windows, APictureDrawnIntoASpareShowsWhatANewOneShows)
{
    ns::Window window(ns::MakeRect(0, 0, 40.5, 30.5));
    window.setBackgroundColor(ns::Color(0.2, 0.4, 0.6, 0.5)); // see-through: what lies under it shows
    auto field = std::make_unique<ns::TextField>(ns::MakeRect(5, 5, 30, 20));
    field->setStringValue("12");
    window.contentView()->addSubview(std::move(field));
    const std::unique_ptr<ns::Image> fresh = window.render(1);

    for (const double scale : {1.0, 2.0}) {
        auto spare = std::make_unique<ns::Image>(ns::Size{40.5 * scale, 30.5 * scale});
        spare->lockFocus();
        ns::Color(1, 0, 0).setFill();
        ns::RectFill(ns::MakeRect(0, 0, 41 * scale, 31 * scale));
        spare->unlockFocus();
        const ns::Image* given = spare.get();
        const std::unique_ptr<ns::Image> drawn = window.render(1, std::move(spare));
        EXPECT_EQ(drawn.get() == given, scale == 1) << "drawn into the spare only when it has the size";
        for (int y = 0; y < 31; ++y)
            for (int x = 0; x < 41; ++x)
                ASSERT_EQ(drawn->pixelAt(x, y), fresh->pixelAt(x, y)) << x << ", " << y << " with a spare at " << scale;
    }
}

TEST(Windows, TheDelegateHearsOfMainAndOfMoves)
{
    Delegate delegate;
    ns::Window a(ns::MakeRect(0, 0, 100, 100), "a"), b(ns::MakeRect(0, 0, 100, 100), "b");
    a.setDelegate(&delegate);
    b.setDelegate(&delegate);
    a.makeKeyAndOrderFront(nullptr);
    b.makeKeyAndOrderFront(nullptr);
    b.setFrame(ns::MakeRect(5, 5, 100, 100), true);
    b.setFrame(ns::MakeRect(5, 5, 120, 100), true); // resized, not moved
    b.orderOut(nullptr);
    EXPECT_EQ(delegate.heard, (std::vector<std::string>{"main a", "resign a", "main b", "move b", "resign b", "main a"}));
    EXPECT_TRUE(a.isKeyWindow());
    a.setDelegate(nullptr);
    b.setDelegate(nullptr);

    ns::Screen::mainScreen().setVisibleFrame(ns::MakeRect(0, 0, 1000, 800));
    a.center();
    EXPECT_DOUBLE_EQ(a.frame().midX(), 500);
}

// Notes the crossings it hears, by the area's name.
class Listener : public ns::View {
public:
    using View::View;
    std::vector<std::string>* heard = nullptr;
    void mouseEntered(const ns::Event& e) override { heard->push_back("enter " + name(e)); }
    void mouseExited(const ns::Event& e) override { heard->push_back("exit " + name(e)); }
    void mouseMoved(const ns::Event& e) override { heard->push_back("move " + name(e)); }
    static std::string name(const ns::Event& e) { return static_cast<const char*>(e.trackingArea()->userInfo()); }
};

TEST(Tracking, NestedAreasAreEnteredAndLeftInOrder)
{
    std::vector<std::string> heard;
    ns::Window window(ns::MakeRect(0, 0, 300, 300));
    window.makeKeyAndOrderFront(nullptr);
    auto* outer = window.contentView()->addSubview(std::make_unique<Listener>(ns::MakeRect(50, 50, 200, 200)));
    auto* inner = outer->addSubview(std::make_unique<Listener>(ns::MakeRect(50, 50, 50, 50)));
    auto* hidden = window.contentView()->addSubview(std::make_unique<Listener>(ns::MakeRect(0, 0, 300, 300)));
    for (Listener* l : {outer, inner, hidden})
        l->heard = &heard;
    hidden->setHidden(true);
    outer->addTrackingArea(std::make_unique<ns::TrackingArea>(outer->bounds(), ns::TrackingMouseEnteredAndExited | ns::TrackingActiveInKeyWindow, outer, (void*)"outer"));
    inner->addTrackingArea(std::make_unique<ns::TrackingArea>(inner->bounds(), ns::TrackingMouseEnteredAndExited | ns::TrackingMouseMoved | ns::TrackingActiveAlways, inner, (void*)"inner"));
    hidden->addTrackingArea(std::make_unique<ns::TrackingArea>(hidden->bounds(), ns::TrackingMouseEnteredAndExited | ns::TrackingActiveAlways, hidden, (void*)"hidden"));

    for (const ns::Point p : {ns::Point{10, 10}, {60, 60}, {120, 120}, {130, 130}, {180, 180}, {280, 280}})
        window.sendEvent(ns::Event::mouseEvent(ns::EventType::MouseMoved, p, 0, &window));
    EXPECT_EQ(heard, (std::vector<std::string>{"enter outer", "enter inner", "move inner", "move inner", "exit inner",
                                               "exit outer"}));

    // Not the key window: the key-window area is asleep, the always-active one is not.
    heard.clear();
    ns::Window other(ns::MakeRect(0, 0, 10, 10));
    other.makeKeyAndOrderFront(nullptr);
    window.sendEvent(ns::Event::mouseEvent(ns::EventType::MouseMoved, {120, 120}, 0, &window));
    EXPECT_EQ(heard, (std::vector<std::string>{"enter inner", "move inner"}));
}

TEST(HitTest, TheDeepestShownViewUnderThePointAndNeverAHiddenOne)
{
    ns::Window window(ns::MakeRect(0, 0, 300, 300));
    ns::View* content = window.contentView();
    auto* panel = content->addSubview(std::make_unique<ns::View>(ns::MakeRect(100, 100, 100, 100)));
    auto* button = panel->addSubview(std::make_unique<ns::View>(ns::MakeRect(10, 10, 20, 20)));
    auto* veil = content->addSubview(std::make_unique<ns::View>(ns::MakeRect(100, 150, 100, 50)));
    const struct {
        ns::Point point;
        bool veilShown;
        ns::View* hit;
    } cases[] = {
        {{115, 115}, true, button}, {{105, 105}, true, panel}, {{150, 160}, true, veil},
        {{150, 160}, false, panel}, {{50, 50}, true, content},  {{300, 300}, true, nullptr},
    };
    for (const auto& c : cases) {
        veil->setHidden(!c.veilShown);
        EXPECT_EQ(content->hitTest(c.point), c.hit) << c.point.x << "," << c.point.y;
    }
    panel->setHidden(true);
    EXPECT_EQ(content->hitTest({115, 115}), content) << "inside a hidden view nothing is hit";
}

} // namespace

namespace {

TEST(Modal, TheDialogHasTheKeysTypedAtAnyWindow)
{
    // Keys typed as a dialog opens were aimed at the window that had the keyboard before;
    // they are the dialog's, and the field there, not the dialog's, stays as it was.
    ns::Application& app = ns::Application::sharedApplication();
    ns::Window before(ns::MakeRect(0, 0, 200, 100), "before"), dialog(ns::MakeRect(0, 0, 200, 100), "dialog");
    ns::TextField* behind = before.contentView()->addSubview(std::make_unique<ns::TextField>(ns::MakeRect(0, 0, 100, 20)));
    ns::TextField* field = dialog.contentView()->addSubview(std::make_unique<ns::TextField>(ns::MakeRect(0, 0, 100, 20)));
    before.makeKeyAndOrderFront(nullptr);
    before.makeFirstResponder(behind);
    int pumped = 0;
    app.setEventPump([&] {
        if (pumped == 0)
            dialog.makeFirstResponder(field);
        if (pumped < 2)
            app.sendEvent(ns::Event::keyEvent(0, pumped == 0 ? "4" : "2", 0, &before));
        else
            app.stopModal();
        ++pumped;
        return true;
    });
    app.runModalForWindow(dialog);
    app.setEventPump(nullptr);
    EXPECT_EQ(std::make_pair(field->stringValue(), behind->stringValue()), std::make_pair(std::string("42"), std::string()));
}

} // namespace
