// File › Open… and Save As… of the document window, and the recovery file that keeps a
// drawing's changes not yet saved, as a person meets them.
#include "DocumentWindow.h"
#include "DrawingInWindow.h"
#include "Host.h"
#include "Svg.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using testing_files::readFile;
using namespace std::chrono_literals;

using host_test::testFonts;

void addGroup(host::Host& host, const std::string& name)
{
    AIArtHandle made = nullptr;
    ASSERT_EQ(host.document().newArt(host::doc::ArtKind::Group, kPlaceAboveAll, nullptr, &made), kNoErr);
    host.document().edit(made)->name = name;
}

using FileCommands = host_test::DrawingInWindow;

TEST_F(FileCommands, SaveAsMovesTheDrawingOrExportsAPdf)
{
    addGroup(host, "kept");

    // A PDF is an export: the drawing still saves where it did, its changes still to save.
    EXPECT_EQ(document.saveAs(folder / "copy.pdf"), "");
    EXPECT_EQ(readFile(folder / "copy.pdf").rfind("%PDF-", 0), 0u);
    EXPECT_EQ(document.savePath(), folder / "drawing.svg");
    EXPECT_TRUE(host.document().modified());

    // An SVG is where the drawing goes: saved there, with its picture, and saved there again;
    // the former file's recovery goes, its changes saved.
    document.writeRecoveryNow();
    ASSERT_TRUE(fs::exists(folder / "drawing.svg.recovery"));
    EXPECT_EQ(document.saveAs(folder / "other" / "moved.svg"), "");
    EXPECT_FALSE(fs::exists(folder / "drawing.svg.recovery"));
    EXPECT_EQ(document.savePath(), folder / "other" / "moved.svg");
    EXPECT_FALSE(host.document().modified());
    EXPECT_EQ(readFile(folder / "other" / "moved.svg"), host::render::svgOf(host.document(), host.fonts()));
    EXPECT_TRUE(fs::exists(folder / "other" / "moved.png"));
    EXPECT_NE(document.window().title().find("moved.svg"), std::string::npos) << document.window().title();

    // Any other ending is refused; a place that cannot be written keeps the drawing where it was.
    EXPECT_NE(document.saveAs(folder / "x.txt"), "");
    fs::create_directories(folder / "blocked.svg" / "inside");
    EXPECT_NE(document.saveAs(folder / "blocked.svg"), "");
    EXPECT_EQ(document.savePath(), folder / "other" / "moved.svg");
}

TEST(FileCommandsEachCase, OpeningOverChangesAsksFirstAndACancelledDialogChangesNothing)
{
    const struct {
        const char* comment;
        bool changed;
        int answer;            // to the question
        bool chosen;           // a file taken in the dialog
        bool dialog, opened;   // the dialog shown, the drawing replaced
    } cases[] = {
        {"no changes: no question", false, 2, true, true, true},
        {"Don't Save, then a file", true, 1, true, true, true},
        {"Cancel: no dialog", true, 2, true, false, false},
        {"the dialog cancelled", false, 2, false, true, false},
    };
    for (const auto& c : cases) {
        testing_files::TestFolder folder;
        host::Host host(testFonts());
        // The drawing to open: an empty one the host wrote.
        {
            std::ofstream(folder / "other.svg") << host::render::svgOf(host.document(), host.fonts());
        }
        host::desktop::DocumentWindow document(host, folder / "drawing.svg");
        if (c.changed)
            addGroup(host, "changed");
        bool asked = false, dialog = false;
        document.setQuestion([&](const std::string&) {
            asked = true;
            return c.answer;
        });
        document.setFileChooser([&](const host::FileRequest& request) -> std::optional<fs::path> {
            dialog = true;
            EXPECT_TRUE(request.opening);
            EXPECT_EQ(request.extensions, std::vector<std::string>{".svg"});
            return c.chosen ? std::optional<fs::path>(folder / "other.svg") : std::nullopt;
        });
        const size_t artBefore = host.document().artCount();
        document.chooseAndOpen();
        EXPECT_EQ(asked, c.changed) << c.comment;
        EXPECT_EQ(dialog, c.dialog) << c.comment;
        EXPECT_EQ(document.savePath(), folder / (c.opened ? "other.svg" : "drawing.svg")) << c.comment;
        EXPECT_EQ(host.document().artCount() != artBefore, c.opened && c.changed) << c.comment;
        EXPECT_EQ(host.document().modified(), c.changed && !c.opened) << c.comment;
        EXPECT_EQ(host.history().undoName(), "") << c.comment << ": an opened drawing starts its history";
    }
}

TEST_F(FileCommands, AFileThatCannotBeOpenedLeavesTheDrawingAsItWas)
{
    addGroup(host, "kept");
    const std::string before = host::render::svgOf(host.document(), host.fonts());
    std::ofstream(folder / "fail.svg") << "not a drawing";
    const std::string reason = document.open(folder / "fail.svg");
    EXPECT_NE(reason, "");
    EXPECT_EQ(host.log().lines().back(), "warning: not opened: " + reason);
    EXPECT_EQ(host::render::svgOf(host.document(), host.fonts()), before);
    EXPECT_EQ(document.savePath(), folder / "drawing.svg");
    EXPECT_TRUE(host.document().modified());
}

TEST_F(FileCommands, TheRecoveryFileFollowsTheChangesNotSaved)
{
    const fs::path recovery = folder / "drawing.svg.recovery";
    EXPECT_EQ(host::desktop::DocumentWindow::recoveryFileFor(folder / "drawing.svg"), recovery);
    const auto start = std::chrono::steady_clock::now();

    // Nothing changed: nothing written, however long.
    document.keepRecovery(start);
    document.keepRecovery(start + 1h);
    EXPECT_FALSE(fs::exists(recovery));

    // Written 30 seconds after the change, as the drawing stands then.
    addGroup(host, "first");
    document.keepRecovery(start + 1h);
    document.keepRecovery(start + 1h + 29s);
    EXPECT_FALSE(fs::exists(recovery));
    addGroup(host, "second");
    document.keepRecovery(start + 1h + 30s);
    EXPECT_EQ(readFile(recovery), host::render::svgOf(host.document(), host.fonts()));

    // Saving takes it away; so does a clean quit after a later change.
    EXPECT_EQ(document.save(), "");
    EXPECT_FALSE(fs::exists(recovery));
    addGroup(host, "third");
    document.writeRecoveryNow();
    EXPECT_TRUE(fs::exists(recovery));
    document.setQuestion([](const std::string&) { return 1; }); // Don't Save
    EXPECT_TRUE(document.requestQuit());
    EXPECT_FALSE(fs::exists(recovery));
}

TEST(FileCommandsEachCase, ARecoveryNewerThanTheDrawingIsOfferedAtTheStart)
{
    const struct {
        const char* comment;
        bool older;      // the recovery file older than the drawing
        int answer;      // Restore 0, Don't Restore 1
        bool asked, restored;
    } cases[] = {
        {"Restore", false, 0, true, true},
        {"Don't Restore", false, 1, true, false},
        {"a recovery older than the drawing is no question", true, 0, false, false},
    };
    for (const auto& c : cases) {
        testing_files::TestFolder folder;
        std::string recovered;
        {
            // The last session: the drawing saved, then a change kept only in the recovery file.
            host::Host host(testFonts());
            host::desktop::DocumentWindow document(host, folder / "drawing.svg");
            ASSERT_EQ(document.save(), "");
            addGroup(host, "unsaved");
            document.writeRecoveryNow();
            recovered = readFile(folder / "drawing.svg.recovery");
            const auto saved = fs::last_write_time(folder / "drawing.svg");
            fs::last_write_time(folder / "drawing.svg.recovery", c.older ? saved - 1h : saved + 1s);
        }
        host::Host host(testFonts());
        host::desktop::DocumentWindow document(host, folder / "drawing.svg");
        const std::string fresh = host::render::svgOf(host.document(), host.fonts());
        bool asked = false;
        document.setQuestion([&](const std::string& text) {
            asked = true;
            EXPECT_EQ(text, "drawing.svg has changes that were not saved when Varo-Host last stopped. Restore them?");
            return c.answer;
        });
        EXPECT_EQ(document.offerRecovery(), c.restored) << c.comment;
        EXPECT_EQ(asked, c.asked) << c.comment;
        EXPECT_EQ(host::render::svgOf(host.document(), host.fonts()), c.restored ? recovered : fresh) << c.comment;
        EXPECT_EQ(host.document().modified(), c.restored) << c.comment << ": the changes are still to save";
        EXPECT_EQ(document.savePath(), folder / "drawing.svg") << c.comment;
    }
}

} // namespace
