// The bundle as the host loads it: its lifecycle seen from the host's side. What the log and
// standard error show of it is the lifecycle, startup-fails and unhandled-message scripts'.
#include "Cursor.h"
#include "Host.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

class Lifecycle : public testing::Test {
protected:
    Lifecycle() : host_(host::HostOptions{VARO_PLUGINS_DIR, {}, std::vector<std::string>{"Test Sans"}, {}}) {}

    host::PluginRecord& plugin() { return *host_.plugins().all().at(0); }
    // What the plug-in printed on standard error while `action` ran.
    template <typename Action>
    std::string stderrOf(Action action)
    {
        testing::internal::CaptureStderr();
        action();
        return testing::internal::GetCapturedStderr();
    }

    host::Host host_;
};

TEST_F(Lifecycle, StartupRegistersTheNameLocksTheCodeAndHearsTheStartedNotifier)
{
    ASSERT_EQ(host_.plugins().all().size(), 1u);
    host_.launch();
    EXPECT_TRUE(plugin().started);
    EXPECT_NE(plugin().globals, nullptr);
    EXPECT_EQ(plugin().accessReferences.size(), 1u) << "the plug-in keeps itself loaded";
    EXPECT_EQ(host_.notifiers().count(kAIApplicationStartedNotifier), 1);
    EXPECT_GE(host_.suites().totalReferences(), 7 + 127);

    host_.quit();
    EXPECT_EQ(std::make_tuple(plugin().started, plugin().globals, host_.suites().totalReferences()), std::make_tuple(false, nullptr, 0))
        << "every suite is given back at shutdown";
}

TEST_F(Lifecycle, ARepeatedStartupKeepsTheRunningObject)
{
    host_.launch();
    void* const object = plugin().globals;
    EXPECT_EQ(stderrOf([&] { host_.sendPlain("SP Interface", "Startup"); }), "");
    EXPECT_EQ(std::make_tuple(plugin().globals, plugin().accessReferences.size()), std::make_tuple(object, size_t{1}));
}

TEST_F(Lifecycle, AStartupThatCannotHaveASuiteLeavesNothingBehind)
{
    // The last suite of the import table, so that all the others were had first.
    host_.suites().setUnavailable("ATE Array Word Spacing Suite", true);
    host_.launch();
    EXPECT_EQ(std::make_tuple(plugin().started, plugin().globals, host_.suites().totalReferences(), plugin().accessReferences.size()),
              std::make_tuple(false, nullptr, 0, size_t{0}))
        << "what was acquired is released";
    EXPECT_EQ(host_.suites().acquisitions("AI Artboard Suite", 1002), 1) << "the suites before it were had";

    // With no object, a message is answered 0 and reaches nothing.
    EXPECT_EQ(stderrOf([&] { host_.sendPlain("AI Tool", "AI Mouse Down"); }), "");
}

TEST_F(Lifecycle, AfterUnloadOnlyReloadAndShutdownReachTheObject)
{
    host_.launch();
    void* const object = plugin().globals;
    host_.unload();
    EXPECT_EQ(std::make_tuple(host_.suites().totalReferences(), plugin().codeLoaded(), plugin().globals), std::make_tuple(0, true, object))
        << "unloading releases the suites; the access reference keeps the code loaded, and the object lives on";

    const char* const warning = "Warning: Unhandled plugin message: caller \"AI Tool\" selector \"AI Swipe\"\n";
    EXPECT_EQ(stderrOf([&] { host_.sendPlain("AI Tool", "AI Mouse Down"); }), "") << "not dispatched";
    EXPECT_EQ(stderrOf([&] { host_.sendPlain("Foo", "Bar"); }), "");

    host_.reload();
    EXPECT_GE(host_.suites().totalReferences(), 7 + 127);
    EXPECT_EQ(plugin().globals, object);
    EXPECT_EQ(stderrOf([&] { host_.sendPlain("AI Tool", "AI Swipe"); }), warning) << "dispatched again";

    host_.unload();
    host_.quit();
    EXPECT_EQ(plugin().globals, nullptr) << "Shutdown reaches an unloaded object";
    EXPECT_EQ(host_.suites().totalReferences(), 0);
}

// The plug-in's cursor is still the current one when its code goes at the host's end; the
// toolkit lets go of it later, after the code has been unloaded.
TEST(UnloadedCode, TheCursorThePlugInSetOutlivesItsCode)
{
    {
        host::Host host(host::HostOptions{VARO_PLUGINS_DIR, {}, std::vector<std::string>{"Test Sans"}, {}});
        host.launch();
        host.tools().select(*host.tools().withTitle("Table Tool"));
        ASSERT_EQ(ns::Cursor::currentCursor().name(), "") << "an image of the plug-in's";
        host.quit();
    }
    const uint32_t pixel = ns::Cursor::currentCursor().image()->pixelAt(7, 8);
    ns::Cursor::arrowCursor().set();
    EXPECT_EQ(pixel, 0xFF000000u) << "the crosshair's centre dot";
}

} // namespace
