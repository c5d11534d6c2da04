// Which operation each (caller, selector) pair reaches.
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

const Row kRows[] = {
    {"SP Access", "Unload", "UnloadPlugin", kNoErr},
    {"SP Access", "Reload", "ReloadPlugin", kNoErr},
    {"SP Interface", "About", "", kNoErr},
    {"SP Interface", "Startup", "", kNoErr},
    {"SP Interface", "Shutdown", "", kUnhandledMsgErr},
    {"SP Cache", "Plug-in Purge", "Purge", kNoErr},
    {"SP Properties", "Acquire", "AcquireProperty", kNoErr},
    {"SP Properties", "Release", "ReleaseProperty", kNoErr},
    {"Action Manager", "Do Action", "GoAction", kNoErr},
    {"AI Menu", "AI Go", "GoMenuItem", kNoErr},
    {"AI Menu", "AI Update", "UpdateMenuItem", kNoErr},
    {"AI Filter", "AI Get Parameters", "GetFilterParameters", kNoErr},
    {"AI Filter", "AI Go", "GoFilter", kNoErr},
    {"AI Plugin Group", "AI Notify Edits", "PluginGroupNotify", kNoErr},
    {"AI Plugin Group", "AI Update", "PluginGroupUpdate", kNoErr},
    {"AI File Format", "AI Get Parameters", "GetFileFormatParameters", kNoErr},
    {"AI File Format", "AI Go", "GoFileFormat", kNoErr},
    {"AI File Format", "AI Check", "CheckFileFormat", kNoErr},
    {"AI File Format", "AI Update AI140", "FileFormatUpdate", kNoErr},
    {"AI File Format", "Do Action", "SetFileFormatParameters", kNoErr},
    {"AI Tool", "AI Edit Options", "EditTool", kNoErr},
    {"AI Tool", "AI Track Cursor", "TrackToolCursor", kNoErr},
    {"AI Tool", "AI Mouse Down", "ToolMouseDown", kNoErr},
    {"AI Tool", "AI Mouse Drag", "ToolMouseDrag", kNoErr},
    {"AI Tool", "AI Mouse Up", "ToolMouseUp", kNoErr},
    {"AI Tool", "AI Select", "SelectTool", kNoErr},
    {"AI Tool", "AI Deselect", "DeselectTool", kNoErr},
    {"AI Tool", "AI Reselect", "ReselectTool", kNoErr},
    {"AI Tool", "AI Decrease Diameter", "DecreaseDiameter", kNoErr},
    {"AI Tool", "AI Increase Diameter", "IncreaseDiameter", kNoErr},
    {"AI Tool", "AI Mouse Moved", "", kUnhandledMsgErr},
    {"AI Live Effect", "AI Live Effect Edit Parameters", "EditLiveEffectParameters", kNoErr},
    {"AI Live Effect", "AI Live Effect Go Live", "GoLiveEffect", kNoErr},
    {"AI Live Effect", "AI Live Effect Interpolate Parameters", "LiveEffectInterpolate", kNoErr},
    {"AI Live Effect", "AI Live Effect Input Type", "LiveEffectGetInputType", kNoErr},
    {"AI Live Effect", "AI Live Effect Scale Parameters", "LiveEffectScaleParameters", kNoErr},
    {"AI Live Effect", "AI Live Effect Convert Color Space", "LiveEffectConvertColorSpace", kNoErr},
    {"AI Live Effect", "AI Live Effect Adjust Colors", "LiveEffectAdjustColors", kNoErr},
    {"AI Live Effect", "AI Live Effect Handle Merge", "LiveEffectHandleMerge", kNoErr},
    {"AI Timer", "AI Go", "GoTimer", kNoErr},
    {"AI Clipboard", "AI Go", "GoClipboard", kNoErr},
    {"AI Clipboard", "AI Can Copy", "CanCopyClipboard", kNoErr},
    {"AI Clipboard", "AI Clone", "CloneClipboard", kNoErr},
    {"AI Clipboard", "AI Dispose", "DisposeClipboard", kNoErr},
    {"Workspace Manager", "Write Woskspace", "WorkspaceWrite", kNoErr},
    {"Workspace Manager", "Restore Woskspace", "WorkspaceRestore", kNoErr},
    {"Workspace Manager", "Default Woskspace", "WorkspaceDefault", kNoErr},
    {"Workspace Manager", "Write Workspace", "", kUnhandledMsgErr},
    {"AI Annotation", "AI Draw", "", kUnhandledMsgErr},
    {"Foo", "Bar", "", kUnhandledMsgErr},
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
