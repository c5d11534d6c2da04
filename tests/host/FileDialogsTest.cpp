// The file dialogs plug-ins ask for: answered by the window's chooser where a person is there,
// by a script's `import-cells` and `export-cells` ahead, and cancelled when neither answers.
#include "Commands.h"
#include "DocumentWindow.h"
#include "HostSuites.h"
#include "TestFolder.h"
#include "sdk/AIMenu.h"
#include "sdk/AIUser.h"

#include <sstream>

namespace {

// A plug-in whose "Import Cells…" asks for a file to read and whose "Export Cells…" asks for
// one to write, into a buffer of the size a test sets; it keeps what each dialog answered.
struct Asked {
    ASErr result = 0;
    std::string path;
};
std::vector<Asked> gAsked;
ai_int32 gCapacity = 1024;

ASErr Cells(const char* caller, const char* selector, void* data)
{
    if (std::string(caller) != kCallerAIMenu || std::string(selector) != kSelectorAIGoMenuItem)
        return kNoErr;
    const auto* message = static_cast<AIMenuMessage*>(data);
    const void* suite = nullptr;
    if (message->d.basic->AcquireSuite(kAIUserSuite, kAIUserSuiteVersion, &suite) != kNoErr)
        return kNoErr;
    const auto* user = static_cast<const AIUserSuite*>(suite);
    const std::string title = host::Host::get().menus().item(message->menuItem)->title;
    std::string buffer(static_cast<size_t>(std::max(gCapacity, 1)), 'x');
    const ASErr result = title.starts_with("Import")
                             ? user->GetFileDialog("Import Cells", buffer.data(), gCapacity)
                             : user->PutFileDialog("Export Cells", "cells.txt", buffer.data(), gCapacity);
    gAsked.push_back({result, buffer.c_str()});
    message->d.basic->ReleaseSuite(kAIUserSuite, kAIUserSuiteVersion);
    return kNoErr;
}

class FileDialogs : public testing::Test {
protected:
    FileDialogs()
    {
        gAsked.clear();
        gCapacity = 1024;
        host::PluginRecord& owner = host.plugins().addInProcess("Cells", Cells);
        for (const char* title : {"Import Cells\u2026", "Export Cells\u2026"}) {
            const AIPlatformAddMenuItemData item{kFileMenuGroup, title};
            AIMenuItemHandle made = nullptr;
            EXPECT_EQ(host.menus().addItem(&owner, title, &item, 0, &made), kNoErr);
        }
        host.launch();
        host.log().takeUnread();
    }

    void run(std::vector<std::string> words)
    {
        const script::Line line{"t.varo", 1, std::move(words)};
        ASSERT_EQ(script::check(line), "");
        std::ostringstream out;
        script::run(line, host, out);
    }
    std::vector<std::string> log()
    {
        std::vector<std::string> lines;
        for (const std::string& line : host.log().takeUnread())
            if (line.rfind("Cells:", 0) != 0) // the messages themselves
                lines.push_back(line);
        return lines;
    }

    host::Host host{host::HostOptions{{}, {}, std::vector<std::string>{"Test Sans"}, {}}};
};

TEST_F(FileDialogs, AScriptAnswersTheDialogOfTheItemItChooses)
{
    const struct {
        std::vector<std::string> words;
        ai_int32 capacity;
        ASErr result;
        const char* path;
        std::vector<std::string> log;
    } cases[] = {
        {{"import-cells", "in/cells.txt"}, 1024, kNoErr, "in/cells.txt", {"open dialog \"Import Cells\": \"in/cells.txt\""}},
        {{"export-cells", "Ann\u00e9e.csv"}, 1024, kNoErr, "Ann\u00e9e.csv", {"save dialog \"Export Cells\": \"Ann\u00e9e.csv\""}},
        // The path and its terminator fit exactly; a byte less and the path does not fit.
        {{"import-cells", "abc"}, 4, kNoErr, "abc", {"open dialog \"Import Cells\": \"abc\""}},
        {{"import-cells", "abcd"}, 4, kBadParameterErr, "",
         {"open dialog \"Import Cells\": \"abcd\"", "warning: the file \"abcd\" does not fit the plug-in's 4 bytes"}},
    };
    for (const auto& c : cases) {
        gAsked.clear();
        gCapacity = c.capacity;
        run(c.words);
        ASSERT_EQ(gAsked.size(), 1u) << c.words[1];
        EXPECT_EQ(gAsked[0].result, c.result) << c.words[1];
        EXPECT_EQ(gAsked[0].path, c.path) << c.words[1];
        EXPECT_EQ(log(), c.log) << c.words[1];
        EXPECT_FALSE(host.fileDialogs().answerWaiting());
    }
}

// (An answer no dialog asks for, dropped, is the cells-dialogs script's.)
TEST_F(FileDialogs, ADialogWithoutAnAnswerIsCancelled)
{
    // Chosen as `menu` chooses it: no answer waits.
    run({"menu", "Import Cells\u2026"});
    ASSERT_EQ(gAsked.size(), 1u);
    EXPECT_EQ(gAsked[0].result, kCanceledErr);
    EXPECT_EQ(gAsked[0].path, "") << "nothing chosen, nothing written";
    EXPECT_EQ(log(), std::vector<std::string>{"open dialog \"Import Cells\": cancelled, no answer was given"});
}

TEST_F(FileDialogs, TheWindowsChooserAnswersWhereAPersonIsThere)
{
    testing_files::TestFolder folder;
    host::desktop::DocumentWindow window(host, folder / "drawing.svg");
    std::vector<host::FileRequest> requests;
    window.setFileChooser([&](const host::FileRequest& request) -> std::optional<std::filesystem::path> {
        requests.push_back(request);
        if (requests.size() == 2)
            return std::nullopt; // the person cancels
        return folder / "chosen.csv";
    });
    host.fileDialogs().setChooser([&](const host::FileRequest& request) -> std::optional<std::string> {
        const auto chosen = window.askForFile(request);
        return chosen ? std::optional<std::string>(chosen->string()) : std::nullopt;
    });
    host.menus().choose(*host.menus().itemTitled("Export Cells\u2026"));
    host.menus().choose(*host.menus().itemTitled("Import Cells\u2026"));
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_FALSE(requests[0].opening);
    EXPECT_EQ(requests[0].title, "Export Cells");
    EXPECT_EQ(requests[0].defaultName, "cells.txt");
    EXPECT_TRUE(requests[0].extensions.empty()) << "a plug-in's dialog lists every file";
    EXPECT_TRUE(requests[1].opening);
    ASSERT_EQ(gAsked.size(), 2u);
    EXPECT_EQ(gAsked[0].result, kNoErr);
    EXPECT_EQ(gAsked[0].path, (folder / "chosen.csv").string());
    EXPECT_EQ(gAsked[1].result, kCanceledErr);
    EXPECT_EQ(log(), (std::vector<std::string>{"save dialog \"Export Cells\": \"" + (folder / "chosen.csv").string() + "\"",
                                               "open dialog \"Import Cells\": cancelled"}));

    // An answer given ahead goes before the person is asked.
    host.fileDialogs().answerNext("ahead.csv");
    host.menus().choose(*host.menus().itemTitled("Import Cells\u2026"));
    EXPECT_EQ(requests.size(), 2u);
    EXPECT_EQ(gAsked.back().path, "ahead.csv");
}

TEST_F(FileDialogs, TheSuiteRefusesWhatItCannotWriteInto)
{
    const auto* user = host_test::Acquire<AIUserSuite>(host, kAIUserSuite, kAIUserSuiteVersion);
    char path[16] = "untouched";
    const struct {
        const char* what;
        std::function<ASErr()> call;
        ASErr expected;
    } calls[] = {
        {"a null title", [&] { return user->GetFileDialog(nullptr, path, 16); }, kBadParameterErr},
        {"a null path", [&] { return user->GetFileDialog("t", nullptr, 16); }, kBadParameterErr},
        {"no room", [&] { return user->PutFileDialog("t", nullptr, path, 0); }, kBadParameterErr},
        {"a negative capacity", [&] { return user->PutFileDialog("t", "n", path, -1); }, kBadParameterErr},
        {"a null title to save", [&] { return user->PutFileDialog(nullptr, "n", path, 16); }, kBadParameterErr},
    };
    host.fileDialogs().answerNext("kept.csv");
    for (const auto& c : calls) {
        EXPECT_EQ(c.call(), c.expected) << c.what;
        EXPECT_TRUE(host.fileDialogs().answerWaiting()) << c.what << ": no dialog was shown";
    }
    EXPECT_STREQ(path, "untouched");

    host.faults().failOperation(kAIUserSuite, "GetFileDialog", host_test::kNope);
    EXPECT_EQ(user->GetFileDialog("t", path, 16), host_test::kNope);
    EXPECT_TRUE(host.fileDialogs().answerWaiting());
    host.faults().clear();
    EXPECT_EQ(user->GetFileDialog("t", path, 16), kNoErr);
    EXPECT_STREQ(path, "kept.csv");
    // A name the system holds in bytes that are not UTF-8 cannot be handed over.
    host.fileDialogs().answerNext("caf\xE9.csv");
    EXPECT_EQ(user->GetFileDialog("t", path, 16), kCanceledErr);
    EXPECT_STREQ(path, "");
}

} // namespace
