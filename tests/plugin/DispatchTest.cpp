// Which operation each (caller, selector) pair reaches, and that nothing else does.
#include "host/HostSuites.h"
#include "Plugin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> gCalls;

#define RECORD(Operation, Message)         \
    ASErr Operation(Message*) override     \
    {                                      \
        gCalls.push_back(#Operation);      \
        return kNoErr;                     \
    }

// Answers 0 from every operation and notes which ran.
class RecordingPlugin : public Plugin {
public:
    RecordingPlugin() : Plugin(nullptr) {}
    RECORD(UnloadPlugin, SPAccessMessage)
    RECORD(ReloadPlugin, SPAccessMessage)
    RECORD(AcquireProperty, SPPropertiesMessage)
    RECORD(ReleaseProperty, SPPropertiesMessage)
    RECORD(Notify, AINotifierMessage)
    RECORD(GoAction, DoActionMessage)
    RECORD(GoMenuItem, AIMenuMessage)
    RECORD(UpdateMenuItem, AIMenuMessage)
    RECORD(GetFilterParameters, AIFilterMessage)
    RECORD(GoFilter, AIFilterMessage)
    RECORD(PluginGroupNotify, AIPluginGroupMessage)
    RECORD(PluginGroupUpdate, AIPluginGroupMessage)
    RECORD(GetFileFormatParameters, AIFileFormatMessage)
    RECORD(GoFileFormat, AIFileFormatMessage)
    RECORD(CheckFileFormat, AIFileFormatMessage)
    RECORD(FileFormatUpdate, AIFileFormatMessage)
    RECORD(SetFileFormatParameters, AIFileFormatMessage)
    RECORD(EditTool, AIToolMessage)
    RECORD(TrackToolCursor, AIToolMessage)
    RECORD(ToolMouseDown, AIToolMessage)
    RECORD(ToolMouseDrag, AIToolMessage)
    RECORD(ToolMouseUp, AIToolMessage)
    RECORD(SelectTool, AIToolMessage)
    RECORD(DeselectTool, AIToolMessage)
    RECORD(ReselectTool, AIToolMessage)
    RECORD(DecreaseDiameter, AIToolMessage)
    RECORD(IncreaseDiameter, AIToolMessage)
    RECORD(EditLiveEffectParameters, AILiveEffectMessage)
    RECORD(GoLiveEffect, AILiveEffectMessage)
    RECORD(LiveEffectInterpolate, AILiveEffectMessage)
    RECORD(LiveEffectGetInputType, AILiveEffectMessage)
    RECORD(LiveEffectConvertColorSpace, AILiveEffectMessage)
    RECORD(LiveEffectScaleParameters, AILiveEffectMessage)
    RECORD(LiveEffectAdjustColors, AILiveEffectMessage)
    RECORD(LiveEffectHandleMerge, AILiveEffectMessage)
    RECORD(GoTimer, AITimerMessage)
    RECORD(GoClipboard, AIClipboardMessage)
    RECORD(CanCopyClipboard, AIClipboardMessage)
    RECORD(CloneClipboard, AIClipboardMessage)
    RECORD(DisposeClipboard, AIClipboardMessage)
    RECORD(WorkspaceWrite, AIWorkspaceMessage)
    RECORD(WorkspaceRestore, AIWorkspaceMessage)
    RECORD(WorkspaceDefault, AIWorkspaceMessage)

    ASErr PostStartupPlugin() override
    {
        gCalls.push_back("PostStartupPlugin");
        return kNoErr;
    }
    ASBoolean Purge() override
    {
        gCalls.push_back("Purge");
        return purges;
    }
    bool purges = false;
};

#undef RECORD

struct Row {
    const char* caller;
    const char* selector;
    const char* operation; // empty: the pair is answered without an operation
    ASErr result;
};

// The pairs the table plug-in is sent, each to its operation; a selector several callers send
// reaches the operation of its caller; and near misses are no pair: caller and selector are
// compared whole, each with its own.
const Row kRows[] = {
    {"SP Access", "Unload", "UnloadPlugin", kNoErr},
    {"SP Access", "Reload", "ReloadPlugin", kNoErr},
    {"SP Interface", "About", "", kNoErr},
    {"SP Interface", "Startup", "", kNoErr},
    {"SP Interface", "Shutdown", "", kUnhandledMsgErr},
    {"SP Cache", "Plug-in Purge", "Purge", kNoErr},
    {"AI Menu", "AI Go", "GoMenuItem", kNoErr},
    {"AI Menu", "AI Update", "UpdateMenuItem", kNoErr},
    {"AI Tool", "AI Edit Options", "EditTool", kNoErr},
    {"AI Tool", "AI Track Cursor", "TrackToolCursor", kNoErr},
    {"AI Tool", "AI Mouse Down", "ToolMouseDown", kNoErr},
    {"AI Tool", "AI Mouse Drag", "ToolMouseDrag", kNoErr},
    {"AI Tool", "AI Mouse Up", "ToolMouseUp", kNoErr},
    {"AI Tool", "AI Select", "SelectTool", kNoErr},
    {"AI Tool", "AI Deselect", "DeselectTool", kNoErr},
    {"AI Filter", "AI Go", "GoFilter", kNoErr},
    {"AI Timer", "AI Go", "GoTimer", kNoErr},
    {"AI Clipboard", "AI Go", "GoClipboard", kNoErr},
    {"AI Plugin Group", "AI Update", "PluginGroupUpdate", kNoErr},
    {"Workspace Manager", "Write Woskspace", "WorkspaceWrite", kNoErr},
    {"Workspace Manager", "Write Workspace", "", kUnhandledMsgErr},
    {"AI Tool ", "AI Select", "", kUnhandledMsgErr},
    {"AI Tool", "AI Select ", "", kUnhandledMsgErr},
    {"ai tool", "AI Select", "", kUnhandledMsgErr},
    {"AI Tool", "AI", "", kUnhandledMsgErr},
    {"AI Select", "AI Tool", "", kUnhandledMsgErr},
    {"AI Menu", "AI Mouse Down", "", kUnhandledMsgErr},
    {"AI Tool", "AI Mouse Moved", "", kUnhandledMsgErr},
    {"AI Annotation", "AI Draw", "", kUnhandledMsgErr},
    {"", "", "", kUnhandledMsgErr},
};

class Dispatch : public testing::Test {
protected:
    void SetUp() override
    {
        gCalls.clear();
        sSPBasic = host_.basic();
    }
    void TearDown() override
    {
        if (sAIAppContext != nullptr)
            host_.basic()->ReleaseSuite(kAIAppContextSuite, kAIAppContextSuiteVersion);
        sAIAppContext = nullptr;
        sSPBasic = nullptr;
    }
    ASErr notify(const char* selector, const char* type)
    {
        AINotifierMessage message{};
        message.type = type;
        return plugin_.Message("AI Notifier", selector, &message);
    }

    host::Host host_{{}};
    RecordingPlugin plugin_;
};

TEST_F(Dispatch, EachPairReachesItsOperation)
{
    for (const Row& row : kRows) {
        gCalls.clear();
        unsigned char message[256] = {};
        EXPECT_EQ(plugin_.Message(row.caller, row.selector, message), row.result) << row.caller << " / " << row.selector;
        const std::vector<std::string> expected =
            *row.operation ? std::vector<std::string>{row.operation} : std::vector<std::string>{};
        EXPECT_EQ(gCalls, expected) << row.caller << " / " << row.selector;
    }
    // A purge that freed something answers so.
    unsigned char message[256] = {};
    plugin_.purges = true;
    EXPECT_EQ(plugin_.Message("SP Cache", "Plug-in Purge", message), kSPPluginCachesFlushResponse);
}

TEST_F(Dispatch, TheStartedNotifierRunsPostStartupThenNotifyInsideAnApplicationContext)
{
    sAIAppContext = host_test::Acquire<AIAppContextSuite>(host_, kAIAppContextSuite, kAIAppContextSuiteVersion);

    EXPECT_EQ(notify("AI Notify", kAIApplicationStartedNotifier), kNoErr);
    EXPECT_EQ(gCalls, (std::vector<std::string>{"PostStartupPlugin", "Notify"}));
    EXPECT_TRUE(host_.appContexts().empty()) << "the context is popped when the handling ends";

    gCalls.clear();
    EXPECT_EQ(notify("AI Notify", kAIArtSelectionChangedNotifier), kNoErr);
    EXPECT_EQ(gCalls, std::vector<std::string>{"Notify"});

    gCalls.clear();
    EXPECT_EQ(notify("AI Something Else", kAIApplicationStartedNotifier), kNoErr);
    EXPECT_EQ(gCalls, std::vector<std::string>{"PostStartupPlugin"});

    gCalls.clear();
    EXPECT_EQ(notify("AI Notify", nullptr), kNoErr) << "a notification without a type is only a notification";
    EXPECT_EQ(gCalls, std::vector<std::string>{"Notify"});
}

} // namespace
