// The notifications plug-ins subscribe to, as the host's own actions send them: here, the one
// after an undo or a redo that put art back.
#include "HostSuites.h"
#include "sdk/AINotifier.h"

namespace {

std::vector<std::string> gTold;

ASErr Listener(const char* caller, const char* selector, void* data)
{
    if (std::string(caller) == kCallerAINotify && std::string(selector) == kSelectorAINotify)
        gTold.emplace_back(static_cast<AINotifierMessage*>(data)->type);
    return kNoErr;
}

TEST(Notifiers, UndoAndRedoThatPutArtBackAreTold)
{
    gTold.clear();
    host::Host host({});
    host::PluginRecord& listener = host.plugins().addInProcess("Listener", Listener);
    const auto* notifier = host_test::Acquire<AINotifierSuite>(host, kAINotifierSuite, kAINotifierSuiteVersion);
    AINotifierHandle handle = nullptr;
    ASSERT_EQ(notifier->AddNotifier(host::PluginManager::refOf(listener), "Listener", kAIUndoRedoNotifier, &handle), kNoErr);
    host.launch();
    AIArtHandle made = nullptr;
    ASSERT_EQ(host.document().newArt(host::doc::ArtKind::Group, kPlaceAboveAll, nullptr, &made), kNoErr);
    host.history().close("Group");

    const struct {
        const char* what;
        std::string (host::Host::*take)();
        bool told;
    } steps[] = {
        {"undo", &host::Host::undo, true},
        {"undo with nothing left", &host::Host::undo, false},
        {"redo", &host::Host::redo, true},
        {"redo with nothing left", &host::Host::redo, false},
    };
    for (const auto& s : steps) {
        gTold.clear();
        (host.*s.take)();
        EXPECT_EQ(gTold, s.told ? std::vector<std::string>{kAIUndoRedoNotifier} : std::vector<std::string>{}) << s.what;
    }
    // The history's own steps, taken without the host (a test's), tell nobody; a subscriber
    // turned off is not told.
    gTold.clear();
    host.history().undo();
    EXPECT_TRUE(gTold.empty());
    ASSERT_EQ(notifier->SetNotifierActive(handle, false), kNoErr);
    host.redo();
    EXPECT_TRUE(gTold.empty());
}

} // namespace
