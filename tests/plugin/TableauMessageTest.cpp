// How the table plug-in's Message turns failures into results.
#include "AIError.h"
#include "Host.h"
#include "TableauPlugIn.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Fails its notifications in the ways a handler can.
class FailingPlugIn : public TableauPlugIn {
public:
    FailingPlugIn() : TableauPlugIn(nullptr) {}
    enum class Failure { HostError, OtherException, ErrorCode, Nothing } failure = Failure::Nothing;
    int reports = 0;

    ASErr Notify(AINotifierMessage*) override
    {
        switch (failure) {
        case Failure::HostError:
            aisdk::check_ai_error(AS_FOUR_CHAR('N', 'O', 'P', 'E'));
            return kNoErr;
        case Failure::OtherException:
            throw std::runtime_error("lost");
        case Failure::ErrorCode:
            return AS_FOUR_CHAR('C', 'O', 'D', 'E');
        case Failure::Nothing:
            break;
        }
        return kNoErr;
    }
    void ReportError(ASErr, const char*, const char*, void*) override { ++reports; }
};

TEST(TableauMessage, ExceptionsBecomeResultsEveryFailureIsReportedAndTheUnhandledLeft)
{
    host::Host host({});
    sSPBasic = host.basic();
    const struct {
        const char* caller;
        FailingPlugIn::Failure failure;
        ASErr result;
        int reports;
    } cases[] = {
        {"AI Notifier", FailingPlugIn::Failure::HostError, AS_FOUR_CHAR('N', 'O', 'P', 'E'), 1},
        {"AI Notifier", FailingPlugIn::Failure::OtherException, kCantHappenErr, 1},
        {"AI Notifier", FailingPlugIn::Failure::ErrorCode, AS_FOUR_CHAR('C', 'O', 'D', 'E'), 1},
        {"AI Notifier", FailingPlugIn::Failure::Nothing, kNoErr, 0},
        {"Foo", FailingPlugIn::Failure::Nothing, kUnhandledMsgErr, 0}, // left for the entry to warn about
    };
    for (const auto& c : cases) {
        FailingPlugIn plugin;
        plugin.failure = c.failure;
        AINotifierMessage message{};
        message.type = kAIArtSelectionChangedNotifier;
        EXPECT_EQ(plugin.Message(c.caller, "AI Notify", &message), c.result) << c.caller;
        EXPECT_EQ(plugin.reports, c.reports) << c.caller;
    }
    sSPBasic = nullptr;
}

} // namespace
