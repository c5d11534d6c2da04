// The file dialogs as a person drives them from the keyboard and the mouse: what a folder
// lists, going into folders, and what each dialog takes or refuses.
#include "Application.h"
#include "FilePanel.h"
#include "KeyboardEvents.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A folder holding a drawing, a PDF, a text file, a hidden file and a folder with a drawing.
struct Files {
    testing_files::TestFolder folder;
    Files()
    {
        for (const char* name : {"b.svg", "a.pdf", "notes.txt", ".hidden.svg", "sub/inner.svg"}) {
            fs::create_directories((folder / name).parent_path());
            std::ofstream(folder / name) << "x";
        }
    }
};

// Runs the dialog with a person's input: each step once, in order, then nothing more.
int runWith(ns::SavePanel& panel, const std::vector<std::function<void(ns::Window&)>>& steps)
{
    ns::Application& app = ns::Application::sharedApplication();
    size_t next = 0;
    app.setEventPump([&] {
        if (next == steps.size())
            return false;
        steps[next++](*app.modalWindow());
        return true;
    });
    const int code = panel.runModal();
    app.setEventPump(nullptr);
    return code;
}

std::function<void(ns::Window&)> key(uint16_t code, const char* characters = "")
{
    return [=](ns::Window& w) { ns::Application::sharedApplication().sendEvent(ns::Event::keyEvent(code, characters, 0, &w)); };
}

std::function<void(ns::Window&)> typed(const std::string& text)
{
    return [=](ns::Window& w) {
        for (char c : text)
            ns::Application::sharedApplication().sendEvent(ns::Event::keyEvent(0, std::string(1, c), 0, &w));
    };
}

TEST(FilePanel, AFolderListsItsFoldersThenTheFilesOfTheKindsAllowed)
{
    Files files;
    ns::OpenPanel panel;
    panel.setDirectory(files.folder.path());
    EXPECT_EQ(panel.entries(), (std::vector<std::string>{"../", "sub/", "a.pdf", "b.svg", "notes.txt"}));
    panel.setAllowedExtensions({".svg"});
    EXPECT_EQ(panel.entries(), (std::vector<std::string>{"../", "sub/", "b.svg"}));
    EXPECT_EQ(panel.fieldText(), (files.folder.path() / "").string());
}

TEST(FilePanel, TheKeyboardChoosesGoesIntoFoldersAndTakesAFile)
{
    Files files;
    const struct {
        const char* comment;
        bool opening;
        std::vector<std::function<void(ns::Window&)>> input;
        int code;
        fs::path taken;   // from the folder
        const char* said; // the message line's start when the dialog is still running
    } cases[] = {
        {"Down twice, Return: into sub/; Down, Return: its drawing", true,
         {key(ns::KeyDown), key(ns::KeyDown), key(ns::KeyReturn, "\r"), key(ns::KeyDown), key(ns::KeyDown),
          key(ns::KeyReturn, "\r")},
         ns::ModalResponseOK, "sub/inner.svg", ""},
        {"Up from nothing chooses the last entry", true, {key(ns::KeyUp), key(ns::KeyReturn, "\r")}, ns::ModalResponseOK,
         "b.svg", ""},
        {"a name typed in place of the folder's path", true, {typed("b.svg"), key(ns::KeyReturn, "\r")}, ns::ModalResponseOK, "b.svg", ""},
        {"Escape cancels", true, {key(ns::KeyDown), key(ns::KeyEscape, "\x1b")}, ns::ModalResponseCancel, "", ""},
        {"a file that is not there is refused, and the dialog stays", true, {typed("gone.svg"), key(ns::KeyReturn, "\r")},
         ns::ModalResponseAbort, "", "there is no file"},
        {"Save As gives a bare name the drawing's ending", false, {typed("new"), key(ns::KeyReturn, "\r")},
         ns::ModalResponseOK, "new.svg", ""},
        {"Save As keeps a PDF's ending", false, {typed("copy.pdf"), key(ns::KeyReturn, "\r")}, ns::ModalResponseOK,
         "copy.pdf", ""},
        {"Save As into a folder that is not there", false, {typed("none/x.svg"), key(ns::KeyReturn, "\r")},
         ns::ModalResponseAbort, "", "there is no folder"},
        {"Save As over a file asks; Cancel keeps the dialog", false,
         {typed("b.svg"), key(ns::KeyReturn, "\r"), key(ns::KeyEscape, "\x1b")}, ns::ModalResponseAbort, "", ""},
        {"Save As over a file asks; Replace takes it", false,
         {typed("b.svg"), key(ns::KeyReturn, "\r"), key(ns::KeyReturn, "\r")}, ns::ModalResponseOK, "b.svg", ""},
    };
    for (const auto& c : cases) {
        std::unique_ptr<ns::SavePanel> panel =
            c.opening ? std::make_unique<ns::OpenPanel>() : std::make_unique<ns::SavePanel>();
        panel->setAllowedExtensions(c.opening ? std::vector<std::string>{".svg"} : std::vector<std::string>{".svg", ".pdf"});
        panel->setDirectory(files.folder.path());
        EXPECT_EQ(runWith(*panel, c.input), c.code) << c.comment;
        EXPECT_EQ(panel->path(), c.taken.empty() ? fs::path() : files.folder / c.taken) << c.comment;
        EXPECT_EQ(panel->message().rfind(c.said, 0), 0u) << c.comment << ": " << panel->message();
    }
}

TEST(FilePanel, AClickChoosesAnEntryAndADoubleClickOpensIt)
{
    Files files;
    ns::OpenPanel panel;
    panel.setAllowedExtensions({".svg"});
    panel.setDirectory(files.folder / "sub");
    ASSERT_EQ(panel.entries(), (std::vector<std::string>{"../", "inner.svg"}));
    panel.chooseEntry(1);
    EXPECT_EQ(panel.fieldText(), (files.folder / "sub" / "inner.svg").string());
    // "../" goes up, as Return on it does.
    panel.openEntry(0);
    EXPECT_EQ(panel.directory(), files.folder.path());
    EXPECT_EQ(panel.chosenEntry(), -1);
}

TEST(FilePanel, AFolderThatCannotBeReadIsSaid)
{
    ns::OpenPanel panel;
    panel.setDirectory("/nonexistent-folder-of-varo");
    EXPECT_EQ(panel.entries(), (std::vector<std::string>{"../"}));
    EXPECT_EQ(panel.message().rfind("cannot read the folder /nonexistent-folder-of-varo", 0), 0u) << panel.message();
}

} // namespace
