// Controls: what each sends, and that a disabled one sends nothing.
#include "Alert.h"
#include "Application.h"
#include "Button.h"
#include "ComboBox.h"
#include "PopUpButton.h"
#include "Slider.h"
#include "TextView.h"
#include "ScrollView.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class Target : public ns::Object {
public:
    int actions = 0;
    bool respondsToAction(std::string_view s) const override { return s == "act:"; }
    bool performAction(std::string_view s, Object*) override { return s == "act:" && ++actions > 0; }
};

TEST(Controls, EachActsOnceWhenEnabledAndNeverWhenDisabled)
{
    struct Case {
        const char* name;
        std::function<std::unique_ptr<ns::Control>()> make;
        std::function<void(ns::Control&, ns::Window&)> act;
    };
    const Case cases[] = {
        {"push button", [] { return std::make_unique<ns::Button>(ns::MakeRect(10, 10, 80, 24)); },
         [](ns::Control& c, ns::Window&) { static_cast<ns::Button&>(c).performClick(nullptr); }},
        {"button clicked with the mouse", [] { return std::make_unique<ns::Button>(ns::MakeRect(10, 10, 80, 24)); },
         [](ns::Control&, ns::Window& w) {
             w.sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseDown, {50, 20}, 0, &w));
             w.sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseUp, {50, 20}, 0, &w));
         }},
        {"pop-up", [] {
             auto p = std::make_unique<ns::PopUpButton>(ns::MakeRect(10, 10, 80, 24));
             p->addItemWithTitle("a");
             p->addItemWithTitle("b");
             return p;
         },
         [](ns::Control& c, ns::Window&) { static_cast<ns::PopUpButton&>(c).chooseItemAtIndex(1); }},
        {"combo box", [] {
             auto b = std::make_unique<ns::ComboBox>(ns::MakeRect(10, 10, 80, 24));
             b->addItemsWithObjectValues({"0.5", "1"});
             return b;
         },
         [](ns::Control& c, ns::Window&) { static_cast<ns::ComboBox&>(c).chooseItemAtIndex(1); }},
        {"slider", [] { return std::make_unique<ns::Slider>(ns::MakeRect(10, 10, 100, 20)); },
         [](ns::Control&, ns::Window& w) {
             w.sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseDown, {40, 20}, 0, &w));
             w.sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseUp, {80, 20}, 0, &w));
         }},
    };
    for (const Case& c : cases)
        for (const bool enabled : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (enabled ? " enabled" : " disabled"));
            ns::Window window(ns::MakeRect(0, 0, 200, 100));
            Target target;
            ns::Control* control = window.contentView()->addSubview(c.make());
            control->setTarget(&target);
            control->setAction("act:");
            control->setEnabled(enabled);
            const std::string before = control->stringValue();
            c.act(*control, window);
            EXPECT_EQ(target.actions, enabled ? 1 : 0);
            if (!enabled) {
                EXPECT_EQ(control->stringValue(), before) << "a disabled control keeps its value";
            }
        }
}

TEST(Controls, ValuesAsTheInterfaceReadsThem)
{
    ns::Button check(ns::MakeRect(0, 0, 20, 20));
    check.setButtonType(ns::ButtonType::Switch);
    check.performClick(nullptr);
    EXPECT_EQ(check.state(), ns::OnState);
    check.performClick(nullptr);
    EXPECT_EQ(check.state(), ns::OffState);

    ns::PopUpButton popUp;
    popUp.addItemWithTitle("Helvetica");
    popUp.addItemWithTitle("Times");
    popUp.selectItemAtIndex(1);
    popUp.insertItemWithTitle("Arial", 0);
    EXPECT_EQ(popUp.titleOfSelectedItem(), "Times") << "inserting before keeps the same item selected";
    popUp.selectItemAtIndex(7);
    EXPECT_EQ(popUp.indexOfSelectedItem(), -1);
    popUp.removeAllItems();
    EXPECT_EQ(popUp.numberOfItems(), 0);

    ns::Slider slider;
    slider.setMinValue(0);
    slider.setMaxValue(255);
    slider.setDoubleValue(300);
    EXPECT_EQ(slider.doubleValue(), 255);
    slider.setDoubleValue(-4);
    EXPECT_EQ(slider.doubleValue(), 0);

    ns::TextField field;
    const struct {
        const char* text;
        int i;
        double d;
    } numbers[] = {{"12.5 mm", 12, 12.5}, {"abc", 0, 0}, {"-3", -3, -3}, {"1e999", 0, 0}, {"99999999999", 2147483647, 99999999999.0}};
    for (const auto& n : numbers) {
        field.setStringValue(n.text);
        EXPECT_EQ(field.intValue(), n.i) << n.text;
        EXPECT_DOUBLE_EQ(field.doubleValue(), n.d) << n.text;
    }
    field.setDoubleValue(35.28);
    EXPECT_EQ(field.stringValue(), "35.28");
}

TEST(Controls, ATextViewWrapsAndScrollsToARange)
{
    ns::ScrollView scroll(ns::MakeRect(0, 0, 120, 40));
    auto text = std::make_unique<ns::TextView>(ns::MakeRect(0, 0, 120, 200));
    ns::TextView* view = text.get();
    scroll.setDocumentView(std::move(text));
    EXPECT_EQ(scroll.documentView(), view);
    view->setString("one two three four five six seven eight nine ten eleven twelve\nsecond paragraph");
    const auto lines = view->lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.back(), "second paragraph");
    view->scrollRangeToVisible({view->string().find("second"), 6});
    EXPECT_EQ(view->firstVisibleLine(), lines.size() - 1);

    // A carriage return, a line feed or both end a paragraph; two make an empty line.
    const struct {
        const char* texte;
        std::vector<std::string> lignes;
    } cas[] = {
        {"ALT-CLICK\r\rALT-click here.\r", {"ALT-CLICK", "", "ALT-click here."}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\n\rb", {"a", "", "b"}},
    };
    for (const auto& c : cas) {
        view->setString(c.texte);
        EXPECT_EQ(view->lines(), c.lignes) << c.texte;
    }
    view->setString("first\rsecond");
    view->scrollRangeToVisible({view->string().find("second"), 6});
    EXPECT_EQ(view->firstVisibleLine(), 1u);
}

TEST(Controls, AnAlertRunsUntilOneOfItsButtonsEndsIt)
{
    ns::Application& app = ns::Application::sharedApplication();
    const auto clickOn = [](const char* identifier) {
        return [identifier](ns::Window& w) {
            const ns::View* button = w.contentView()->viewWithIdentifier(identifier);
            ASSERT_NE(button, nullptr) << identifier;
            const ns::Point at = button->convertPointToWindow({button->bounds().midX(), button->bounds().midY()});
            w.sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseDown, at, 0, &w));
            w.sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseUp, at, 0, &w));
        };
    };
    const auto key = [](uint16_t code, const char* characters) {
        return [code, characters](ns::Window& w) { w.sendEvent(ns::Event::keyEvent(code, characters, 0, &w)); };
    };
    const std::vector<std::string> ok{"OK"}, question{"Save", "Don't Save", "Cancel"};
    const struct {
        const char* comment;
        const std::vector<std::string>& buttons;
        std::function<void(ns::Window&)> dismiss;
        int answer;
    } ways[] = {
        {"Return", ok, key(ns::KeyReturn, "\r"), 0},
        {"Escape", ok, key(ns::KeyEscape, "\x1b"), 0},
        {"a click on OK", ok, clickOn("alertOK"), 0},
        {"Return on the question", question, key(ns::KeyReturn, "\r"), 0},
        {"Escape on the question", question, key(ns::KeyEscape, "\x1b"), 2},
        {"a click on Don't Save", question, clickOn("alertButton1"), 1},
        {"a click on Cancel", question, clickOn("alertButton2"), 2},
    };
    for (const auto& way : ways) {
        ns::Alert alert("The text is too long\r (up to 80 characters).", way.buttons);
        EXPECT_EQ(alert.messageText(), "The text is too long\r (up to 80 characters).");
        const auto* message = dynamic_cast<ns::TextView*>(alert.window().contentView()->viewWithIdentifier("alertMessage"));
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(message->lines(), (std::vector<std::string>{"The text is too long", "(up to 80 characters)."}));
        int turns = 0;
        app.setEventPump([&] {
            EXPECT_TRUE(alert.window().isVisible()) << way.comment;
            EXPECT_EQ(app.modalWindow(), &alert.window()) << way.comment;
            if (++turns == 2)
                way.dismiss(alert.window());
            return turns < 5;
        });
        EXPECT_EQ(alert.runModal(), way.answer) << way.comment;
        EXPECT_EQ(turns, 2) << way.comment;
        EXPECT_FALSE(alert.window().isVisible()) << way.comment;
    }
    // The input ending first answers none of them.
    ns::Alert alert("Unanswered", question);
    app.setEventPump([] { return false; });
    EXPECT_EQ(alert.runModal(), ns::ModalResponseAbort);
    app.setEventPump(nullptr);
}

} // namespace
