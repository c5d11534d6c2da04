// The host's side of messages: globals, notifiers and bundles, with a plug-in of the test's own.
#include "Host.h"
#include "Messages.h"
#include "TestFolder.h"
#include "sdk/AINotifier.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> gHeard;
int gObject = 0;

// Keeps an object in its globals from "Startup" to "Shutdown", subscribes to two notifiers
// and notes every message it is sent.
ASErr RecordingMain(const char* caller, const char* selector, void* message)
{
    auto* data = static_cast<SPMessageData*>(message);
    std::string heard = std::string(caller) + "/" + selector;
    if (std::string(caller) == kCallerAINotify)
        heard += "/" + std::string(static_cast<AINotifierMessage*>(message)->type);
    heard += data->globals == &gObject ? " (with globals)" : "";
    gHeard.push_back(heard);

    if (std::string(selector) == "Startup") {
        data->globals = &gObject;
        const void* suite = nullptr;
        if (data->basic->AcquireSuite(kAINotifierSuite, kAINotifierSuiteVersion, &suite) != kNoErr)
            return kSPSuiteNotFoundError;
        const auto* notifier = static_cast<const AINotifierSuite*>(suite);
        AINotifierHandle quiet = nullptr, started = nullptr;
        notifier->AddNotifier(data->self, "quiet", kAIApplicationStartedNotifier, &quiet);
        notifier->AddNotifier(data->self, "heard", kAIApplicationStartedNotifier, &started);
        notifier->SetNotifierActive(quiet, false);
        data->basic->ReleaseSuite(kAINotifierSuite, kAINotifierSuiteVersion);
    } else if (std::string(selector) == "Shutdown") {
        data->globals = nullptr;
    }
    return kNoErr;
}

TEST(PluginManager, KeepsGlobalsBetweenMessagesAndTellsActiveSubscribersOnly)
{
    gHeard.clear();
    host::Host host({});
    host::PluginRecord& plugin = host.plugins().addInProcess("Recorder", RecordingMain);
    host.sendPlain("AI Tool", "AI Select"); // before launch: no globals yet
    host.launch();
    host.quit();
    host.sendPlain("AI Tool", "AI Select");

    const std::vector<std::string> expected = {
        "AI Tool/AI Select",
        "SP Interface/Startup",
        "AI Notifier/AI Notify/AI Application Started Notifier (with globals)",
        "SP Interface/Shutdown (with globals)",
        "AI Tool/AI Select",
    };
    EXPECT_EQ(gHeard, expected);
    EXPECT_FALSE(plugin.started);
}

TEST(PluginManager, LeavesOutBundlesItCannotLoadAndSaysWhy)
{
    namespace fs = std::filesystem;
    const testing_files::TestFolder folder;
    fs::create_directories(folder / "Empty.bundle");
    fs::create_directories(folder / "Broken.bundle");
    std::ofstream(folder / "Broken.bundle" / "Broken.so") << "not a library";
    fs::create_directories(folder / "NotABundle");

    testing::internal::CaptureStderr();
    {
        host::Host host(host::HostOptions{folder.path(), {}, {}, {}});
        EXPECT_TRUE(host.plugins().all().empty());
        int warnings = 0;
        for (const auto& line : host.log().lines())
            warnings += line.rfind("warning: cannot load ", 0) == 0;
        EXPECT_EQ(warnings, 2);
    }
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("Broken.so"), std::string::npos);
    EXPECT_NE(printed.find("Empty.so"), std::string::npos);
}

TEST(PluginManager, RefusesAccessReferencesItDidNotGive)
{
    host::Host host({});
    host::PluginRecord& plugin = host.plugins().addInProcess("Recorder", RecordingMain);
    SPAccessRef access = nullptr;
    ASSERT_EQ(host.plugins().acquireAccess(host::PluginManager::refOf(plugin), &access), kNoErr);
    EXPECT_EQ(host.plugins().acquireAccess(reinterpret_cast<SPPluginRef>(&access), &access), kBadHandleErr);
    EXPECT_EQ(access, nullptr);
    EXPECT_EQ(host.plugins().releaseAccess(reinterpret_cast<SPAccessRef>(0x5eed)), kBadHandleErr);
    EXPECT_EQ(plugin.accessReferences.size(), 1u);
}

} // namespace
