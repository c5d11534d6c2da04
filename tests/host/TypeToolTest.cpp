// The Type tool as a person uses it on the artboard: a click on a text starts typing into it,
// the frame the selection; keys change the text at once; each edit that changed the text is
// one "Typing" step when it ends, however it ends; Escape puts the text back without a step;
// Tab goes from cell to cell of a group; what is locked or hidden is out of its reach.
#include "HostSuites.h"
#include "Pasteboard.h"
#include "document/Unicode.h"
#include "sdk/AIMenu.h"

#include "Cursor.h"
#include "Event.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using host::ToolEventKind;
using host::TypeTool;

class TypeToolTest : public testing::Test {
protected:
    TypeToolTest()
    {
        host.tools().select(*host.tools().withTitle(TypeTool::kToolTitle));
        AIArtHandle cells = group("Cells"), titles = group("Title");
        one = text(cells, u"One", {100, 600});
        two = text(cells, u"Two", {200, 600});
        path = pathIn(cells);
        three = text(cells, u"Three", {300, 600});
        title = text(titles, u"Title", {200, 650});
        host.history().close("Table");
        host.markSaved();
        ns::Pasteboard::general().clear();
    }

    AIArtHandle group(const std::string& name)
    {
        AIArtHandle made = nullptr;
        EXPECT_EQ(host.document().newArt(host::doc::ArtKind::Group, kPlaceAboveAll, nullptr, &made), kNoErr);
        host.document().edit(made)->name = name;
        return made;
    }
    AIArtHandle text(AIArtHandle inside, const std::u16string& content, AIRealPoint anchor)
    {
        AIArtHandle made = nullptr;
        EXPECT_EQ(host.document().newArt(host::doc::ArtKind::Text, kPlaceInsideOnTop, inside, &made), kNoErr);
        host.document().edit(made)->pointText().text = content;
        host.document().edit(made)->pointText().anchor = anchor;
        return made;
    }
    AIArtHandle pathIn(AIArtHandle inside)
    {
        AIArtHandle made = nullptr;
        EXPECT_EQ(host.document().newArt(host::doc::ArtKind::Path, kPlaceInsideOnTop, inside, &made), kNoErr);
        return made;
    }
    void click(AIReal x, AIReal y, ai_uint16 modifiers = 0)
    {
        host.toolEvents().send(ToolEventKind::MouseDown, {x, y}, modifiers);
        host.toolEvents().send(ToolEventKind::MouseUp, {x, y}, modifiers);
    }
    bool key(uint16_t code, uint32_t flags = 0, std::string characters = {})
    {
        return host.typeTool().keyDown(ns::Event::keyEvent(code, std::move(characters), flags));
    }
    bool command(char letter) { return key(0, ns::CommandKeyMask, std::string(1, letter)); }
    void type(const std::string& characters) { key(0, 0, characters); }
    std::u16string textOf(AIArtHandle frame) { return host.document().art(frame)->pointText().text; }
    std::vector<AIArtHandle> picked() { return host.selection().art(); }
    AIArtHandle typedInto() { return host.typeTool().frame(); }

    host::Host host{host::HostOptions{{}, {}, std::vector<std::string>{"Test Sans"}, {}}};
    AIArtHandle one = nullptr, two = nullptr, three = nullptr, title = nullptr, path = nullptr;
};

TEST_F(TypeToolTest, AClickStartsTypingAndTheEndedEditIsOneStep)
{
    // "One" stands from 100 to 118 (three units half an em wide): the click is near its start.
    click(101, 603);
    ASSERT_EQ(typedInto(), one);
    EXPECT_EQ(picked(), std::vector<AIArtHandle>{one}) << "the frame typed into is the selection, alone";
    EXPECT_EQ(host.typeTool().typing()->caret(), 0u);
    type("X");
    type("\xC3\xA9");
    EXPECT_EQ(textOf(one), u"X\u00E9One") << "the document has each key at once";
    EXPECT_TRUE(host.document().modified());
    EXPECT_EQ(host.history().undoName(), "Table") << "no step while typing";
    EXPECT_TRUE(key(ns::KeyReturn));
    EXPECT_EQ(typedInto(), nullptr);
    EXPECT_EQ(host.history().undoName(), "Typing");
    EXPECT_EQ(host.history().steps(), 2u);
    EXPECT_EQ(picked(), std::vector<AIArtHandle>{one}) << "it stays selected";
    EXPECT_FALSE(key(ns::KeyReturn)) << "no keys with nothing typed into";

    EXPECT_EQ(host.undo(), "Typing");
    EXPECT_EQ(textOf(one), u"One");
    EXPECT_FALSE(host.document().modified()) << "back as saved";
    EXPECT_EQ(host.redo(), "Typing");
    EXPECT_EQ(textOf(one), u"X\u00E9One");
}

TEST_F(TypeToolTest, EveryWayAnEditEndsKeepsTheTextAsOneStep)
{
    static bool typingWhenChosen = true;
    host::PluginRecord& owner = host.plugins().addInProcess("Owner", [](const char* caller, const char* selector, void*) {
        if (std::string(caller) == kCallerAIMenu && std::string(selector) == kSelectorAIGoMenuItem)
            typingWhenChosen = host::Host::get().typeTool().editing();
        return ASErr{kNoErr};
    });
    AIMenuItemHandle item = nullptr;
    const AIPlatformAddMenuItemData data{"Edit", "Paste Cells"};
    ASSERT_EQ(host.menus().addItem(&owner, "Paste Cells", &data, 0, &item), kNoErr);

    const struct {
        const char* what;
        std::function<void()> end;
        AIArtHandle typedIntoAfter; // the next edit a click started, or none
    } ways[] = {
        {"Return", [&] { key(ns::KeyReturn); }, nullptr},
        {"a click on nothing", [&] { click(50, 50); }, nullptr},
        {"a click on another text", [&] { click(201, 603); }, two},
        {"another tool", [&] { host.tools().select(*host.tools().withTitle(host::Selection::kToolTitle)); }, nullptr},
        {"a command of the host (save)", [&] { host.commitTypedFields(); }, nullptr},
        {"a menu item", [&] { host.menus().choose(*host.menus().item(item)); }, nullptr},
        {"the application quitting", [&] { host.quit(); }, nullptr},
    };
    for (const auto& way : ways) {
        host.tools().select(*host.tools().withTitle(TypeTool::kToolTitle));
        const size_t steps = host.history().steps();
        click(117, 603);
        ASSERT_EQ(typedInto(), one) << way.what;
        type("!");
        way.end();
        EXPECT_EQ(typedInto(), way.typedIntoAfter) << way.what;
        EXPECT_EQ(host.history().steps(), steps + 1) << way.what;
        EXPECT_EQ(host.history().undoName(), "Typing") << way.what;
        host.typeTool().finish();
    }
    EXPECT_FALSE(typingWhenChosen) << "the edit ended before the menu item acted";
    EXPECT_EQ(textOf(one), u"One!!!!!!!");
}

TEST_F(TypeToolTest, EscapeAndUndoingByHandLeaveNoStep)
{
    const struct {
        const char* what;
        std::function<void()> keys;
    } cases[] = {
        {"Escape",
         [&] {
             type("abc");
             key(ns::KeyDelete);
             key(ns::KeyEscape);
         }},
        {"typed, then taken away by hand",
         [&] {
             type("ab");
             key(ns::KeyDelete);
             key(ns::KeyDelete);
             key(ns::KeyReturn);
         }},
        {"only the caret moved",
         [&] {
             key(ns::KeyLeft);
             key(ns::KeyHome, ns::ShiftKeyMask);
             key(ns::KeyReturn);
         }},
    };
    for (const auto& c : cases) {
        click(117, 603);
        c.keys();
        EXPECT_EQ(typedInto(), nullptr) << c.what;
        EXPECT_EQ(textOf(one), u"One") << c.what;
        EXPECT_EQ(host.history().undoName(), "Table") << c.what;
        EXPECT_FALSE(host.document().modified()) << c.what << ": the drawing is as it was saved";
        EXPECT_FALSE(host.document().changing()) << c.what << ": nothing left recorded";
    }
}

TEST_F(TypeToolTest, TabGoesToTheNextTextOfTheGroupAndStaysAtTheEnds)
{
    const struct {
        uint32_t flags;
        AIArtHandle after;
    } tabs[] = {
        {0, two}, {0, three}, {0, three}, // past the path, then no wrap at the end
        {ns::ShiftKeyMask, two}, {ns::ShiftKeyMask, one}, {ns::ShiftKeyMask, one},
    };
    click(101, 603);
    for (const auto& tab : tabs) {
        EXPECT_TRUE(key(ns::KeyTab, tab.flags, "\t"));
        ASSERT_EQ(typedInto(), tab.after);
        EXPECT_EQ(picked(), std::vector<AIArtHandle>{tab.after});
    }
    EXPECT_EQ(host.history().undoName(), "Table") << "nothing typed, no step";

    // All of the next text selected: typing replaces it. Each cell typed into is a step.
    type("1");
    key(ns::KeyTab);
    EXPECT_EQ(host.typeTool().typing()->selectedText(), u"Two");
    type("2");
    key(ns::KeyReturn);
    EXPECT_EQ(textOf(one), u"1");
    EXPECT_EQ(textOf(two), u"2");
    EXPECT_EQ(host.history().steps(), 3u);
    host.undo();
    EXPECT_EQ(textOf(two), u"Two");
    EXPECT_EQ(textOf(one), u"1");
    EXPECT_EQ(textOf(title), u"Title") << "another group is never reached";
}

TEST_F(TypeToolTest, OnlyVisibleUnlockedTextIsReachedTheTopmostFirst)
{
    const AIArtHandle over = text(host.document().art(title)->parent, u"Over", {101, 601});
    host.history().close("Over");
    EXPECT_EQ(host.typeTool().frameAt({110, 603}, 0), over) << "painted last, found first";
    EXPECT_EQ(host.typeTool().frameAt({100, 620}, 0), nullptr);
    EXPECT_EQ(host.typeTool().frameAt({100, 596}, 1.5f), one) << "within reach below the line";
    EXPECT_FALSE(host.typeTool().begin(path)) << "a path is no text";

    host::doc::Document& d = host.document();
    for (const auto& [editable, visible] : {std::pair{false, true}, std::pair{true, false}}) {
        d.editLayer(d.currentLayer())->editable = editable;
        d.editLayer(d.currentLayer())->visible = visible;
        click(110, 603);
        EXPECT_EQ(typedInto(), nullptr) << "locked " << !editable << ", hidden " << !visible;
        EXPECT_FALSE(host.typeTool().begin(one));
    }
    d.editLayer(d.currentLayer())->editable = true;
    d.editLayer(d.currentLayer())->visible = true;
    click(110, 603);
    ASSERT_EQ(typedInto(), over);
    // Locked while typed into: the keys no longer reach it.
    d.editLayer(d.currentLayer())->editable = false;
    EXPECT_FALSE(host.typeTool().editing());
    type("x");
    EXPECT_EQ(textOf(over), u"Over");
}

TEST_F(TypeToolTest, AnEmptyTextIsReachedOnItsLine)
{
    click(301, 603);
    command('a');
    key(ns::KeyDelete);
    key(ns::KeyReturn);
    ASSERT_EQ(textOf(three), u"");
    click(301, 609);
    EXPECT_EQ(typedInto(), three) << "an empty text is a line's height at its anchor";
}

TEST_F(TypeToolTest, ClicksAndDragsInTheTextMoveTheCaretAndSelect)
{
    // An estimate of the places: each UTF-16 unit six points wide from the anchor.
    click(100, 603);
    host.toolEvents().send(ToolEventKind::MouseDown, {107, 603}, 0);
    EXPECT_EQ(host.typeTool().typing()->caret(), 1u);
    host.toolEvents().send(ToolEventKind::MouseDrag, {119, 603}, 0);
    host.toolEvents().send(ToolEventKind::MouseUp, {119, 603}, 0);
    EXPECT_EQ(host.typeTool().typing()->selectedText(), u"ne");
    click(100, 603, aiEventModifiers_shiftKey);
    EXPECT_EQ(host.typeTool().typing()->selectedText(), u"O") << "Shift-click selects to there from the anchor";
    EXPECT_EQ(typedInto(), one) << "the same edit all along";
    EXPECT_EQ(host.history().undoName(), "Table");

    // The places measured as drawn, when given; a measure of another count is not used.
    host.typeTool().setMeasure([](const host::doc::Art&) { return std::vector<double>{0, 1, 2, 30}; });
    host.toolEvents().send(ToolEventKind::MouseDown, {103, 603}, 0);
    EXPECT_EQ(host.typeTool().typing()->caret(), 2u);
    host.typeTool().setMeasure([](const host::doc::Art&) { return std::vector<double>{0, 1}; });
    host.toolEvents().send(ToolEventKind::MouseDown, {117, 603}, 0);
    EXPECT_EQ(host.typeTool().typing()->caret(), 3u);
    host.typeTool().setMeasure(nullptr);

    // Never inside a surrogate pair: "a😀b" has places 0, 6, 12, 18, 24.
    command('a');
    type("a");
    type("\xF0\x9F\x98\x80");
    type("b");
    for (AIReal x : {111.f, 112.f, 113.f}) {
        host.toolEvents().send(ToolEventKind::MouseDown, {x, 603}, 0);
        const size_t caret = host.typeTool().typing()->caret();
        EXPECT_TRUE(caret == 1 || caret == 3) << x << ": " << caret;
    }
}

TEST_F(TypeToolTest, CopyAndCutReachThePasteboardAndPasteIsNotTheTools)
{
    click(101, 603);
    EXPECT_TRUE(command('c'));
    EXPECT_EQ(ns::Pasteboard::general().string(), std::nullopt) << "nothing selected, nothing copied";
    EXPECT_TRUE(command('A'));
    EXPECT_TRUE(command('c'));
    EXPECT_EQ(ns::Pasteboard::general().string(), "One");
    EXPECT_EQ(textOf(one), u"One");
    key(ns::KeyRight);
    key(ns::KeyLeft, ns::ShiftKeyMask);
    EXPECT_TRUE(command('x'));
    EXPECT_EQ(ns::Pasteboard::general().string(), "e");
    EXPECT_EQ(textOf(one), u"On");
    EXPECT_FALSE(command('v')) << "a menu's";
    EXPECT_FALSE(command('q'));
    EXPECT_FALSE(key(0, ns::ControlKeyMask, "a")) << "the logo key types nothing";
    EXPECT_FALSE(key(0, 0, "\x1b")) << "nor does a control character";
    EXPECT_EQ(textOf(one), u"On");
    key(ns::KeyReturn);
    EXPECT_EQ(host.history().undoName(), "Typing");
}

TEST_F(TypeToolTest, TheCursorIsTheIBeamOverText)
{
    host.toolEvents().send(ToolEventKind::TrackCursor, {105, 603}, 0);
    EXPECT_EQ(ns::Cursor::currentCursor().name(), "I-beam");
    host.toolEvents().send(ToolEventKind::TrackCursor, {50, 50}, 0);
    EXPECT_EQ(ns::Cursor::currentCursor().name(), "arrow");
}

TEST_F(TypeToolTest, AFrameGoneWhileTypedIntoEndsTheEditSafely)
{
    click(101, 603);
    type("x");
    ASSERT_EQ(host.document().dispose(one), kNoErr);
    EXPECT_FALSE(host.typeTool().editing());
    EXPECT_FALSE(key(ns::KeyDelete));
    host.typeTool().cancel();
    EXPECT_FALSE(host.document().valid(one)) << "cancelling brings back nothing that went";
    EXPECT_EQ(host.undo(), "Change");
    EXPECT_EQ(textOf(one), u"One");
}

TEST_F(TypeToolTest, AnotherDrawingOpenedEndsTheEdit)
{
    click(101, 603);
    type("x");
    host.replaceDocument(host::doc::Document(host.document().handleSequence()));
    EXPECT_FALSE(host.typeTool().editing());
    EXPECT_EQ(host.history().steps(), 0u);
    EXPECT_TRUE(picked().empty());
}

} // namespace
