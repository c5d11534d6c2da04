// Tooltips: shown once the pointer rests on a view that has one, taken away by a press.
#include "Application.h"
#include "ToolTip.h"
#include "Window.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(ToolTip, ShownAfterTheRestAndGoneAtAPress)
{
    ns::Application& app = ns::Application::sharedApplication();
    ns::Window window(ns::MakeRect(100, 100, 200, 100), "tips");
    ns::View* helped = window.contentView()->addSubview(std::make_unique<ns::View>(ns::MakeRect(0, 0, 50, 50)));
    helped->setToolTip("Helps");
    window.makeKeyAndOrderFront(nullptr);
    const auto moveTo = [&](double x, double y) {
        app.sendEvent(ns::Event::mouseEvent(ns::EventType::MouseMoved, {x, y}, 0, &window));
    };
    const auto start = std::chrono::steady_clock::now();

    moveTo(10, 10);
    EXPECT_FALSE(ns::ToolTipWindow::showDue(start)) << "not before the rest";
    ASSERT_TRUE(ns::ToolTipWindow::showDue(start + 1s));
    ASSERT_NE(ns::ToolTipWindow::shown(), nullptr);
    EXPECT_EQ(ns::ToolTipWindow::shown()->text(), "Helps");
    EXPECT_LT(ns::ToolTipWindow::shown()->frame().maxY(), 100 + 10.0) << "below the pointer, on the screen";
    EXPECT_FALSE(ns::ToolTipWindow::showDue(start + 2s)) << "shown once";

    // Moving within the same tip keeps it; a press takes it away until the pointer moves on.
    moveTo(20, 20);
    EXPECT_NE(ns::ToolTipWindow::shown(), nullptr);
    app.sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseDown, {20, 20}, 0, &window));
    app.sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseUp, {20, 20}, 0, &window));
    EXPECT_EQ(ns::ToolTipWindow::shown(), nullptr);
    EXPECT_FALSE(ns::ToolTipWindow::showDue(start + 3s));

    // Off the view: no tip; back on it: a new rest.
    moveTo(150, 80);
    EXPECT_FALSE(ns::ToolTipWindow::showDue(start + 10s));
    moveTo(10, 10);
    EXPECT_TRUE(ns::ToolTipWindow::showDue(std::chrono::steady_clock::now() + 1s));
    ns::ToolTipWindow::dismiss();
}

TEST(ToolTip, AWindowGoingAwayTakesItsTip)
{
    auto window = std::make_unique<ns::Window>(ns::MakeRect(0, 0, 100, 100), "gone");
    window->contentView()->setToolTip("Whole window");
    ns::Application::sharedApplication().sendEvent(
        ns::Event::mouseEvent(ns::EventType::MouseMoved, {5, 5}, 0, window.get()));
    window.reset();
    EXPECT_FALSE(ns::ToolTipWindow::showDue(std::chrono::steady_clock::now() + 1s));
    EXPECT_EQ(ns::ToolTipWindow::shown(), nullptr);
}

} // namespace
