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

TEST(TableauMessage, ExceptionsBecomeResultsAndEveryFailureIsReported)
{
    host::Host host({});
    sSPBasic = host.basic();
    const struct {
        FailingPlugIn::Failure failure;
        ASErr result;
        int reports;
    } cases[] = {
        {FailingPlugIn::Failure::HostError, AS_FOUR_CHAR('N', 'O', 'P', 'E'), 1},
        {FailingPlugIn::Failure::OtherException, kCantHappenErr, 1},
        {FailingPlugIn::Failure::ErrorCode, AS_FOUR_CHAR('C', 'O', 'D', 'E'), 1},
        {FailingPlugIn::Failure::Nothing, kNoErr, 0},
    };
    for (const auto& c : cases) {
        FailingPlugIn plugin;
        plugin.failure = c.failure;
        AINotifierMessage message{};
        message.type = kAIArtSelectionChangedNotifier;
        EXPECT_EQ(plugin.Message("AI Notifier", "AI Notify", &message), c.result);
        EXPECT_EQ(plugin.reports, c.reports);
    }
    sSPBasic = nullptr;
}

TEST(TableauMessage, AnUnhandledMessageIsLeftForTheEntryToWarnAbout)
{
    host::Host host({});
    sSPBasic = host.basic();
    FailingPlugIn plugin;
    unsigned char message[256] = {};
    EXPECT_EQ(plugin.Message("Foo", "Bar", message), kUnhandledMsgErr);
    EXPECT_EQ(plugin.reports, 0);
    sSPBasic = nullptr;
}

} // namespace
