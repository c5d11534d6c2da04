// Saving from the document window, as a person does with Ctrl+S: the drawing and its picture
// together or neither, and the title and the log say which. Undo and redo from the Edit menu
// and their keys, and the keys plug-ins give their items.
#include "Desktop.h"
#include "DocumentWindow.h"
#include "DrawingInWindow.h"
#include "Host.h"
#include "TestFolder.h"

#include "Application.h"
#include "sdk/AIMenu.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>

namespace {

namespace fs = std::filesystem;
using testing_files::readFile;

using DocumentWindowTest = host_test::DrawingInWindow;

TEST(DocumentWindow, SavingWritesTheDrawingAndItsPictureOrNeither)
{
    testing_files::TestFolder folder;
    host::Host host(host_test::testFonts());
    host::desktop::DocumentWindow document(host, folder / "out" / "drawing.svg");

    // The folder is made; both files land.
    EXPECT_EQ(document.save(), "");
    EXPECT_NE(document.window().title().find("saved to " + (folder / "out" / "drawing.svg").string()), std::string::npos);
    EXPECT_TRUE(fs::exists(folder / "out" / "drawing.png"));
    const std::string saved = readFile(folder / "out" / "drawing.svg");

    // The picture cannot take its place: the drawing stays the one saved before.
    AIArtHandle added = nullptr;
    ASSERT_EQ(host.document().newArt(host::doc::ArtKind::Group, kPlaceAboveAll, nullptr, &added), kNoErr);
    fs::remove(folder / "out" / "drawing.png");
    fs::create_directories(folder / "out" / "drawing.png" / "inside");
    const std::string reason = document.save();
    EXPECT_NE(reason.find("drawing.png"), std::string::npos) << reason;
    EXPECT_EQ(readFile(folder / "out" / "drawing.svg"), saved);
    EXPECT_NE(document.window().title().find("not saved: " + reason), std::string::npos) << document.window().title();
    EXPECT_EQ(host.log().lines().back(), "warning: not saved: " + reason);
}

TEST_F(DocumentWindowTest, TheEditMenuAndItsKeysTakeStepsBackAndDoThemAgain)
{
    const auto edit = [&] { return document.menuBar().items("Edit"); };
    ASSERT_GE(edit().size(), 2u);
    EXPECT_EQ(edit()[0].title, "Undo");
    EXPECT_FALSE(edit()[0].enabled) << "nothing to undo yet";
    EXPECT_EQ(edit()[1].title, "Redo");

    AIArtHandle made = nullptr;
    ASSERT_EQ(host.document().newArt(host::doc::ArtKind::Group, kPlaceAboveAll, nullptr, &made), kNoErr);
    host.history().close("Group");
    EXPECT_EQ(edit()[0].title, "Undo Group");
    EXPECT_TRUE(edit()[0].enabled);

    const struct {
        const char* key;
        uint32_t flags;
        bool live;
        const char* undo;
        const char* redo;
    } keys[] = {
        {"z", ns::CommandKeyMask, false, "Undo", "Redo Group"},
        {"z", ns::CommandKeyMask | ns::ShiftKeyMask, true, "Undo Group", "Redo"},
        {"z", ns::CommandKeyMask, false, "Undo", "Redo Group"},
        {"y", ns::CommandKeyMask, true, "Undo Group", "Redo"},
        {"y", ns::CommandKeyMask, true, "Undo Group", "Redo"}, // nothing left to redo
    };
    for (const auto& k : keys) {
        EXPECT_TRUE(document.performKeyEquivalent(ns::Event::keyEvent(0, k.key, k.flags)));
        EXPECT_EQ(host.document().valid(made), k.live) << k.key;
        EXPECT_EQ(edit()[0].title, k.undo);
        EXPECT_EQ(edit()[1].title, k.redo);
    }
    // The menu's item does what its key does.
    edit()[0].action();
    EXPECT_FALSE(host.document().valid(made));
    EXPECT_EQ(host.log().lines().back(), "undo \"Group\"");
}

// The title marks a changed drawing until it is saved, in the window and on the screen alike:
// the title the desktop hands the screen is the one the change gives, not the one before, for
// nothing may come after a change to draw the window again.
TEST(DocumentWindow, TheTitleMarksAChangedDrawingUntilItIsSaved)
{
    testing_files::TestFolder folder;
    host::Host host(host_test::testFonts());
    host::desktop::Desktop desktop(host, folder / "drawing.svg");
    desktop.show();
    const auto expectTitle = [&](const std::string& expected) {
        EXPECT_EQ(desktop.surfaces().front().title, expected) << "on the screen";
        desktop.document().version();
        EXPECT_EQ(desktop.document().window().title(), expected) << "in the window";
    };
    expectTitle("Varo-Host \u2014 drawing.svg");
    AIArtHandle made = nullptr;
    ASSERT_EQ(host.document().newArt(host::doc::ArtKind::Group, kPlaceAboveAll, nullptr, &made), kNoErr);
    expectTitle("Varo-Host \u2014 drawing.svg*");
    ASSERT_EQ(desktop.document().save(), "");
    expectTitle("Varo-Host \u2014 drawing.svg \u2014 saved to " + (folder / "drawing.svg").string());
    // The next change, an undo as well, marks it again and the save is no longer news.
    host.history().close("Group");
    host.history().undo();
    expectTitle("Varo-Host \u2014 drawing.svg*");
}

TEST_F(DocumentWindowTest, TypingEndsAtAPressElsewhereAndBeforeTheHostsKeys)
{
    ns::Window panel(ns::MakeRect(800, 100, 200, 100), "Panel");
    AIArtHandle frame = nullptr;
    ASSERT_EQ(host.document().newArt(host::doc::ArtKind::Text, kPlaceAboveAll, nullptr, &frame), kNoErr);
    host.history().close("Text");
    const ns::Rect strip = document.toolStrip().frame();
    const struct {
        const char* what;
        std::function<void()> press;
    } elsewhere[] = {
        {"a press in another window (a panel's control)",
         [&] { ns::Application::sharedApplication().sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseDown, {10, 10}, 0, &panel)); }},
        {"a press on the tool strip",
         [&] {
             document.window().sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseDown, {strip.midX(), strip.minY() + 2}, 0));
             document.window().sendEvent(ns::Event::mouseEvent(ns::EventType::LeftMouseUp, {strip.midX(), strip.minY() + 2}, 0));
         }},
        {"a zoom key", [&] { document.performKeyEquivalent(ns::Event::keyEvent(0, "0", ns::CommandKeyMask)); }},
    };
    for (const auto& press : elsewhere) {
        ASSERT_TRUE(host.typeTool().begin(frame)) << press.what;
        host.typeTool().keyDown(ns::Event::keyEvent(0, "x", 0));
        press.press();
        EXPECT_FALSE(host.typeTool().editing()) << press.what;
        EXPECT_EQ(host.history().undoName(), "Typing") << press.what;
    }
    EXPECT_EQ(host.document().art(frame)->pointText().text, u"xxx");
}

TEST(DocumentWindow, QuittingWithChangesNotSavedAsksFirst)
{
    const struct {
        const char* comment;
        bool changed;
        int answer;
        bool writable;
        bool asked, quits, saved;
    } cases[] = {
        {"nothing changed", false, 2, true, false, true, false},
        {"Save", true, 0, true, true, true, true},
        {"Don't Save", true, 1, true, true, true, false},
        {"Cancel", true, 2, true, true, false, false},
        {"the question dismissed otherwise", true, ns::ModalResponseAbort, true, true, false, false},
        {"Save, which fails", true, 0, false, true, false, false},
    };
    for (const auto& c : cases) {
        testing_files::TestFolder folder;
        host::Host host(host_test::testFonts());
        // A folder in the way of the file: the save cannot be written.
        if (!c.writable)
            fs::create_directories(folder / "drawing.svg" / "inside");
        host::desktop::DocumentWindow document(host, folder / "drawing.svg");
        std::string asked;
        document.setQuestion([&](const std::string& text) {
            asked = text;
            return c.answer;
        });
        if (c.changed) {
            AIArtHandle made = nullptr;
            ASSERT_EQ(host.document().newArt(host::doc::ArtKind::Group, kPlaceAboveAll, nullptr, &made), kNoErr);
        }
        EXPECT_EQ(document.requestQuit(), c.quits) << c.comment;
        EXPECT_EQ(document.quitRequested(), c.quits) << c.comment;
        EXPECT_EQ(asked, c.asked ? "Save changes to drawing.svg before closing?" : "") << c.comment;
        EXPECT_EQ(fs::is_regular_file(folder / "drawing.svg"), c.saved) << c.comment;
        EXPECT_EQ(host.document().modified(), c.changed && !c.saved) << c.comment;
    }
}

TEST_F(DocumentWindowTest, TheArtboardIsDrawnAgainForEveryRedrawAsked)
{
    // A rubber band that moved asks its annotator's area again; the view's suite asks too; a
    // drawing that changed needs nobody to ask. Nothing asked: the picture stands.
    const struct {
        const char* comment;
        std::function<void()> ask;
        bool drawn;
    } cases[] = {
        {"nothing", [] {}, false},
        {"an annotator's area", [&] { host.annotators().invalidate(AIRect{10, 10, 20, 20}); }, true},
        {"the view's", [&] { host.documentView().invalidate(AIRealRect{0, 0, 5, 5}); }, true},
        {"a change to the drawing", [&] {
             AIArtHandle made = nullptr;
             host.document().newArt(host::doc::ArtKind::Group, kPlaceAboveAll, nullptr, &made);
         }, true},
    };
    for (const auto& c : cases) {
        const uint64_t before = document.artboard().version();
        c.ask();
        EXPECT_EQ(document.artboard().version() != before, c.drawn) << c.comment;
    }
}

// The titles of the items a plug-in was told to do, in order.
std::vector<std::string> gChosen;

ASErr MenuOwner(const char* caller, const char* selector, void* data)
{
    if (std::string(caller) == kCallerAIMenu && std::string(selector) == kSelectorAIGoMenuItem)
        gChosen.push_back(host::Host::get().menus().item(static_cast<AIMenuMessage*>(data)->menuItem)->title);
    return kNoErr;
}

TEST_F(DocumentWindowTest, APluginsKeysChooseItsItemsAndShowInItsMenu)
{
    host::PluginRecord& owner = host.plugins().addInProcess("Cells", MenuOwner);
    for (const auto& [title, shift] : {std::pair{"Paste Cells", false}, std::pair{"Paste Rows", true}}) {
        const AIPlatformAddMenuItemData item{kEditMenuGroup, title};
        AIMenuItemHandle made = nullptr;
        ASSERT_EQ(host.menus().addItem(&owner, title, &item, 0, &made), kNoErr);
        ASSERT_EQ(host.menus().setCommand(made, 'V', shift ? kMenuItemCmdShiftModifier : 0), kNoErr);
    }
    host.launch();

    const struct {
        const char* key;
        uint32_t flags;
        bool taken;
        std::vector<std::string> chosen;
    } keys[] = {
        {"v", ns::CommandKeyMask, true, {"Paste Cells"}},
        {"V", ns::CommandKeyMask, true, {"Paste Cells"}},
        {"v", ns::CommandKeyMask | ns::ShiftKeyMask, true, {"Paste Rows"}},
        {"v", ns::CommandKeyMask | ns::AlternateKeyMask, false, {}}, // a modifier the item did not ask for
        {"v", ns::CommandKeyMask | ns::ControlKeyMask, false, {}},
        {"b", ns::CommandKeyMask, false, {}},
        {"vv", ns::CommandKeyMask, false, {}},
    };
    for (const auto& k : keys) {
        gChosen.clear();
        EXPECT_EQ(document.performKeyEquivalent(ns::Event::keyEvent(0, k.key, k.flags)), k.taken) << k.key << " " << k.flags;
        EXPECT_EQ(gChosen, k.chosen) << k.key << " " << k.flags;
    }

    // The Edit menu shows each item's key at its right, as it does the host's own.
    std::vector<std::pair<std::string, std::string>> shown;
    for (const host::desktop::MenuBarItem& item : document.menuBar().items("Edit"))
        shown.emplace_back(item.title, item.key);
    EXPECT_EQ(shown, (std::vector<std::pair<std::string, std::string>>{
                         {"Undo", "Ctrl+Z"}, {"Redo", "Ctrl+Shift+Z"}, {"Paste Cells", "Ctrl+V"}, {"Paste Rows", "Ctrl+Shift+V"}}));
}

TEST_F(DocumentWindowTest, EveryKeyRefusedToPluginsIsOneTheWindowAnswers)
{
    document.setFileChooser([](const host::FileRequest&) { return std::optional<fs::path>(); });
    document.setQuestion([](const std::string&) { return 2; });
    for (const char key : host::Menus::kHostKeys)
        for (const uint32_t shift : {0u, uint32_t{ns::ShiftKeyMask}}) {
            const std::string typed(1, static_cast<char>(std::tolower(static_cast<unsigned char>(key))));
            EXPECT_TRUE(document.performKeyEquivalent(ns::Event::keyEvent(0, typed, ns::CommandKeyMask | shift)))
                << typed << " " << shift;
        }
}

} // namespace
