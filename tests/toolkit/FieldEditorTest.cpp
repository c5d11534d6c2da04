// A focused text field's keys: the delegate hears each command first; what it does not take
// the field performs; Return commits and sends the action once.
#include "Application.h"
#include "Button.h"
#include "TextField.h"
#include "TextView.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Notes every command and takes those it is told to.
class Delegate : public ns::Object, public ns::TextFieldDelegate {
public:
    std::set<std::string, std::less<>> takes;
    std::vector<std::string> heard;
    std::string textSeen;
    bool controlTextViewDoCommandBySelector(ns::Control&, ns::TextView& textView, std::string_view command) override
    {
        heard.emplace_back(command);
        textSeen = textView.string();
        return takes.contains(command);
    }
};

// Counts its actions and the value the field held at each.
class Target : public ns::Object {
public:
    std::vector<std::string> values;
    bool respondsToAction(std::string_view s) const override { return s == "commit:"; }
    bool performAction(std::string_view s, Object* sender) override
    {
        if (s != "commit:")
            return false;
        values.push_back(static_cast<ns::Control*>(sender)->stringValue());
        return true;
    }
};

class FieldEditor : public testing::Test {
protected:
    FieldEditor() : window_(ns::MakeRect(0, 0, 300, 100))
    {
        first_ = window_.contentView()->addSubview(std::make_unique<ns::TextField>(ns::MakeRect(10, 60, 100, 22)));
        second_ = window_.contentView()->addSubview(std::make_unique<ns::TextField>(ns::MakeRect(10, 20, 100, 22)));
        for (ns::TextField* f : {first_, second_}) {
            f->setTarget(&target_);
            f->setAction("commit:");
            f->setDelegate(&delegate_);
        }
        window_.makeKeyAndOrderFront(nullptr);
    }
    void press(uint16_t key, uint32_t flags = 0, std::string characters = {})
    {
        window_.sendEvent(ns::Event::keyEvent(key, std::move(characters), flags, &window_));
    }
    void typeText(const std::string& text)
    {
        for (char c : text)
            press(0, 0, std::string(1, c));
    }

    ns::Window window_;
    ns::TextField* first_;
    ns::TextField* second_;
    Delegate delegate_;
    Target target_;
};

TEST_F(FieldEditor, ReturnCommitsTheTypedTextAndSendsTheActionOnce)
{
    first_->setStringValue("12");
    first_->selectText(nullptr);
    ASSERT_TRUE(first_->isEditing());
    typeText("3,5"); // typing replaces the selection
    EXPECT_EQ(first_->stringValue(), "3,5");
    EXPECT_TRUE(target_.values.empty()) << "typing commits nothing";
    press(ns::KeyReturn, 0, "\r");
    EXPECT_EQ(target_.values, std::vector<std::string>{"3,5"});
    EXPECT_EQ(delegate_.heard, std::vector<std::string>{"insertNewline:"});
    EXPECT_EQ(delegate_.textSeen, "3,5") << "the delegate sees the field editor's text";
    EXPECT_TRUE(first_->isEditing()) << "the field keeps the focus, its text selected";
    EXPECT_FLOAT_EQ(first_->floatValue(), 3);
}

TEST_F(FieldEditor, EveryCommandReachesTheDelegateFirst)
{
    const struct {
        uint16_t key;
        uint32_t flags;
        const char* command;
    } keys[] = {
        {ns::KeyReturn, 0, "insertNewline:"},
        {ns::KeyTab, 0, "insertTab:"},
        {ns::KeyTab, ns::ShiftKeyMask, "insertBacktab:"},
        {ns::KeyUp, 0, "moveUp:"},
        {ns::KeyDown, 0, "moveDown:"},
        {ns::KeyUp, ns::ShiftKeyMask, "moveUpAndModifySelection:"},
        {ns::KeyDown, ns::ShiftKeyMask, "moveDownAndModifySelection:"},
        {ns::KeyEscape, 0, "cancelOperation:"},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.command);
        first_->selectText(nullptr);
        delegate_.heard.clear();
        delegate_.takes = {k.command};
        press(k.key, k.flags);
        EXPECT_EQ(delegate_.heard, std::vector<std::string>{k.command});
        EXPECT_TRUE(first_->isEditing()) << "a command the delegate takes is not performed";
    }
    EXPECT_TRUE(target_.values.empty()) << "a Return the delegate took sends nothing";
}

TEST_F(FieldEditor, TabAndBacktabMoveTheFocusWhenTheDelegateLetsThem)
{
    first_->selectText(nullptr);
    press(ns::KeyTab);
    EXPECT_TRUE(second_->isEditing());
    EXPECT_TRUE(second_->isTextSelected());
    press(ns::KeyTab, ns::ShiftKeyMask);
    EXPECT_TRUE(first_->isEditing());
    EXPECT_TRUE(target_.values.empty()) << "moving on sends no action";
}

TEST_F(FieldEditor, ADisabledOrNonEditableFieldTakesNoFocusAndSendsNothing)
{
    first_->setEnabled(false);
    first_->selectText(nullptr);
    EXPECT_FALSE(first_->isEditing());
    EXPECT_FALSE(first_->sendAction());
    second_->setEditable(false);
    second_->selectText(nullptr);
    EXPECT_FALSE(second_->isEditing());
    press(ns::KeyReturn, 0, "\r");
    EXPECT_TRUE(target_.values.empty());
}

TEST_F(FieldEditor, DeleteRemovesWholeCharacters)
{
    first_->setStringValue("a\xC3\xA9");
    first_->selectText(nullptr);
    press(ns::KeyRight); // the selection goes, the caret at the end
    press(ns::KeyDelete);
    EXPECT_EQ(first_->stringValue(), "a");
    press(ns::KeyDelete);
    press(ns::KeyDelete);
    EXPECT_EQ(first_->stringValue(), "");
}

} // namespace

namespace {

// Counts the clicks of the buttons it is the target of, by their title.
class Clicks : public ns::Object {
public:
    std::vector<std::string> heard;
    bool respondsToAction(std::string_view s) const override { return s == "press:"; }
    bool performAction(std::string_view, Object* sender) override
    {
        heard.push_back(static_cast<ns::Button*>(sender)->title());
        return true;
    }
};

// A dialog's keys: Escape and Command keys click their buttons before the focused field sees
// them; Return commits the field, then clicks the default button; a field that commits on
// leaving sends its action when typed text loses the focus, and only then.
TEST_F(FieldEditor, KeyEquivalentsDefaultButtonAndCommitOnLeaving)
{
    Clicks clicks;
    const auto button = [&](const char* title, std::string key, uint32_t modifiers) {
        auto* b = window_.contentView()->addSubview(std::make_unique<ns::Button>(ns::MakeRect(200, 10, 80, 20)));
        b->setTitle(title);
        b->setTarget(&clicks);
        b->setAction("press:");
        b->setKeyEquivalent(std::move(key));
        b->setKeyEquivalentModifierMask(modifiers);
        return b;
    };
    button("Cancel", "\x1b", 0);
    button("By default", "d", ns::CommandKeyMask);
    window_.setDefaultButtonCell(button("OK", "\r", 0));
    first_->setSendsActionOnEndEditing(true);

    first_->selectText(nullptr);
    press(ns::KeyEscape, 0, "\x1b");
    press(0, ns::CommandKeyMask, "d");
    press(0, 0, "d"); // typed: no button takes it
    EXPECT_EQ(clicks.heard, (std::vector<std::string>{"Cancel", "By default"}));
    EXPECT_EQ(first_->stringValue(), "d");
    press(ns::KeyReturn, 0, "\r");
    EXPECT_EQ(clicks.heard.back(), "OK");
    EXPECT_EQ(target_.values, std::vector<std::string>{"d"}) << "the field committed before OK";

    // Leaving: only with text typed since the focus came or the last commit.
    second_->selectText(nullptr);
    first_->selectText(nullptr);
    typeText("42");
    second_->selectText(nullptr);
    EXPECT_EQ(target_.values, (std::vector<std::string>{"d", "42"}));
    second_->setStringValue("7");
    first_->selectText(nullptr);
    EXPECT_EQ(target_.values.size(), 2u) << "the second field does not commit on leaving";

    // A press on any other view commits what was typed, the focus staying; a press on the
    // button Escape clicks abandons it (that button's action discards it); a press in the
    // field itself is more typing.
    const auto presse = [&](ns::Point at) {
        window_.sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseDown, at, 0, &window_));
        window_.sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseUp, at, 0, &window_));
    };
    auto* abandon = window_.contentView()->addSubview(std::make_unique<ns::Button>(ns::MakeRect(150, 60, 40, 20)));
    abandon->setKeyEquivalent("\x1b");
    const struct {
        const char* ou;
        ns::Point at;
        bool commits;
    } presses[] = {
        {"the field itself", {20, 70}, false},
        {"the window's background", {250, 80}, true},
        {"a button", {210, 15}, true},
        {"the button Escape clicks", {160, 70}, false},
    };
    for (const auto& p : presses) {
        first_->selectText(nullptr);
        typeText("5");
        const size_t before = target_.values.size();
        presse(p.at);
        EXPECT_EQ(target_.values.size(), before + (p.commits ? 1 : 0)) << p.ou;
        EXPECT_EQ(window_.firstResponder(), first_) << p.ou;
        first_->setStringValue("");
    }
}

// A commit that raises an alert (a modal run) takes the place of the press that made it: the
// press goes no further, in its own window as in another.
TEST_F(FieldEditor, AnAlertRaisedByACommitTakesThePlaceOfThePress)
{
    class Alerte : public ns::Object {
    public:
        bool respondsToAction(std::string_view s) const override { return s == "commit:"; }
        bool performAction(std::string_view, Object*) override
        {
            ns::Application& app = ns::Application::sharedApplication();
            app.setEventPump([&app] {
                app.stopModal();
                return true;
            });
            app.runModalForWindow(alerte);
            app.setEventPump(nullptr);
            return true;
        }
        ns::Window alerte{ns::MakeRect(0, 0, 50, 50)};
    } refuse;
    Clicks clicks;
    auto* b = window_.contentView()->addSubview(std::make_unique<ns::Button>(ns::MakeRect(200, 10, 80, 20)));
    b->setTarget(&clicks);
    b->setAction("press:");
    ns::Window other(ns::MakeRect(400, 0, 100, 100));
    auto* o = other.contentView()->addSubview(std::make_unique<ns::Button>(ns::MakeRect(0, 0, 100, 100)));
    o->setTarget(&clicks);
    o->setAction("press:");
    first_->setTarget(&refuse);
    first_->setSendsActionOnEndEditing(true);
    for (ns::Window* w : {&window_, &other}) {
        window_.makeKeyAndOrderFront(nullptr);
        first_->selectText(nullptr);
        typeText("bad");
        const ns::Point at = w == &window_ ? ns::Point{210, 15} : ns::Point{50, 50};
        ns::Application::sharedApplication().sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseDown, at, 0, w));
        ns::Application::sharedApplication().sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseUp, at, 0, w));
        EXPECT_TRUE(clicks.heard.empty()) << (w == &window_ ? "its own window" : "another window");
    }
    first_->setTarget(&target_);
}

} // namespace
