// Panels and their flyout menus, through the suites as a plug-in calls them, and the script
// commands that choose a flyout item and print the panels.
#include "Commands.h"
#include "HostSuites.h"
#include "View.h"
#include "sdk/AIPanel.h"

#include <cmath>
#include <functional>
#include <sstream>
#include <tuple>

namespace {

using namespace host_test;

const unsigned char kPngStart[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};

struct Chosen {
    AIPanelRef panel;
    ai_uint32 item;
    bool operator==(const Chosen&) const = default;
};
std::vector<Chosen> gChosen;

void Flyout(AIPanelRef panel, ai_uint32 item)
{
    gChosen.push_back({panel, item});
}

class HostPanels : public testing::Test {
protected:
    HostPanels()
        : host_({}), self_(host::PluginManager::refOf(host_.plugins().addInProcess("Owner", Quiet))),
          panel_(Acquire<AIPanelSuite>(host_, kAIPanelSuite, kAIPanelSuiteVersion)),
          flyout_(Acquire<AIPanelFlyoutMenuSuite>(host_, kAIPanelFlyoutMenuSuite, kAIPanelFlyoutMenuSuiteVersion))
    {
        gChosen.clear();
    }

    // The plug-in's menu: 1 "Preferences…", separator 2, 3 "Show help", all disabled.
    AIPanelFlyoutMenuRef MakeMenu()
    {
        const AIPanelFlyoutMenuRef menu = got<AIPanelFlyoutMenuRef>([&](auto* m) { return flyout_->Create(m); });
        EXPECT_EQ(flyout_->AppendItem(menu, 1, "Preferences…"), kNoErr);
        EXPECT_EQ(flyout_->AppendSeparator(menu, 2), kNoErr);
        EXPECT_EQ(flyout_->AppendItem(menu, 3, "Show help"), kNoErr);
        for (ai_uint32 item : {1u, 2u, 3u})
            EXPECT_EQ(flyout_->SetItemEnabled(menu, item, false), kNoErr);
        return menu;
    }
    AIPanelRef MakePanel(const char* id = "PanneauEssai", AIPanelFlyoutMenuRef menu = nullptr)
    {
        return got<AIPanelRef>(
            [&](auto* p) { return panel_->Create(self_, id, "Table 2.0", 3, AISize{240, 100}, false, menu, &userData_, p); });
    }

    host::Host host_;
    SPPluginRef self_;
    const AIPanelSuite* panel_;
    const AIPanelFlyoutMenuSuite* flyout_;
    int userData_ = 0;
};

TEST_F(HostPanels, APanelIsHiddenAtItsMinimumSizeUntilShownAndTakesTheSizeItIsGiven)
{
    AIPanelRef panel = MakePanel();
    const auto shown = [&] { return got<ASBoolean>([&](auto* s) { return panel_->IsShown(panel, s); }, 7); };
    const auto size = [&] {
        const AISize s = got<AISize>([&](auto* out) { return panel_->GetSize(panel, out); });
        return std::make_tuple(s.width, s.height);
    };
    EXPECT_EQ(shown(), 0);
    EXPECT_EQ(size(), std::make_tuple(240.0f, 100.0f));
    for (ASBoolean show : {true, false, true}) {
        ASSERT_EQ(panel_->Show(panel, show), kNoErr);
        EXPECT_EQ(shown(), show);
    }

    // Below the minimum and above it alike: the host does not clamp.
    for (AISize given : {AISize{480, 197}, AISize{120, 50}, AISize{240.5f, 152}}) {
        ASSERT_EQ(panel_->SetSize(panel, given), kNoErr);
        EXPECT_EQ(size(), std::make_tuple(given.width, given.height));
    }
    for (AISize refused : {AISize{-1, 10}, AISize{10, NAN}, AISize{INFINITY, 10}})
        EXPECT_EQ(panel_->SetSize(panel, refused), kBadParameterErr);
    EXPECT_EQ(size(), std::make_tuple(240.5f, 152.0f)) << "a refused size leaves the last one";

    ASSERT_EQ(panel_->SetPreferredSizes(panel, 300, 300), kNoErr);
    EXPECT_EQ(host_.panels().find(panel)->preferredWidth, 300);
    EXPECT_EQ(size(), std::make_tuple(240.5f, 152.0f)) << "the preferred size is not the size";
    EXPECT_EQ(panel_->SetPreferredSizes(panel, -1, 300), kBadParameterErr);
    EXPECT_EQ(got<void*>([&](auto* d) { return panel_->GetUserData(panel, d); }), &userData_);

    const auto window = [&] { return got<void*>([&](auto* w) { return panel_->GetPlatformWindow(panel, w); }); };
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window(), window()) << "one view for the panel's life";
    auto* view = static_cast<ns::View*>(window());
    view->setFrame(ns::MakeRect(0, 0, 480, 324));
    view->addSubview(std::make_unique<ns::View>(ns::MakeRect(0, 0, 480, 324)));
    EXPECT_EQ(host_.panels().find(panel)->view->subviews().size(), 1u);
}

// Each operation answers a fault made to order before it does anything, refuses what is no
// live panel and a null result pointer, and then works.
TEST_F(HostPanels, EveryOperationAnswersAFaultRefusesWhatIsNoLivePanelAndANullResult)
{
    AIPanelRef live = MakePanel("Live");
    AIPanelRef untouched = MakePanel("Untouched"); // only ever given faults
    AIPanelRef destroyed = MakePanel("Gone");
    AIPanelFlyoutMenuRef menu = MakeMenu();
    ASSERT_EQ(panel_->Destroy(destroyed), kNoErr);
    EXPECT_NE(MakePanel("Later"), destroyed) << "a handle is never given out twice";

    ASBoolean flag = false;
    AISize size{};
    void* pointer = nullptr;
    AIPanelFlyoutMenuRef got = nullptr;
    const struct {
        const char* name;
        std::function<ASErr(AIPanelRef)> call;
        std::function<ASErr(AIPanelRef)> withNull; // null: the operation returns nothing
    } operations[] = {
        {"Show", [&](AIPanelRef p) { return panel_->Show(p, true); }, nullptr},
        {"IsShown", [&](AIPanelRef p) { return panel_->IsShown(p, &flag); },
         [&](AIPanelRef p) { return panel_->IsShown(p, nullptr); }},
        {"GetPlatformWindow", [&](AIPanelRef p) { return panel_->GetPlatformWindow(p, &pointer); },
         [&](AIPanelRef p) { return panel_->GetPlatformWindow(p, nullptr); }},
        {"GetSize", [&](AIPanelRef p) { return panel_->GetSize(p, &size); },
         [&](AIPanelRef p) { return panel_->GetSize(p, nullptr); }},
        {"SetSize", [&](AIPanelRef p) { return panel_->SetSize(p, AISize{300, 200}); }, nullptr},
        {"SetPreferredSizes", [&](AIPanelRef p) { return panel_->SetPreferredSizes(p, 300, 300); }, nullptr},
        {"SetFlyoutMenuProc", [&](AIPanelRef p) { return panel_->SetFlyoutMenuProc(p, Flyout); }, nullptr},
        {"GetFlyoutMenu", [&](AIPanelRef p) { return panel_->GetFlyoutMenu(p, &got); },
         [&](AIPanelRef p) { return panel_->GetFlyoutMenu(p, nullptr); }},
        {"SetIconPNG", [&](AIPanelRef p) { return panel_->SetIconPNG(p, kPngStart, sizeof kPngStart); }, nullptr},
        {"GetUserData", [&](AIPanelRef p) { return panel_->GetUserData(p, &pointer); },
         [&](AIPanelRef p) { return panel_->GetUserData(p, nullptr); }},
        {"Destroy", [&](AIPanelRef p) { return panel_->Destroy(p); }, nullptr},
    };
    const AIPanelRef notPanels[] = {nullptr, destroyed, reinterpret_cast<AIPanelRef>(uintptr_t{999}),
                                    reinterpret_cast<AIPanelRef>(menu)}; // a menu's handle is no panel's
    for (const auto& operation : operations) {
        host_.faults().failOperation(kAIPanelSuite, operation.name, kNope);
        EXPECT_EQ(operation.call(untouched), kNope) << operation.name;
        host_.faults().clear();
        for (AIPanelRef bad : notPanels)
            EXPECT_EQ(operation.call(bad), kBadHandleErr) << operation.name << " " << bad;
        if (operation.withNull) {
            EXPECT_EQ(operation.withNull(live), kBadParameterErr) << operation.name;
        }
        EXPECT_EQ(operation.call(live), kNoErr) << operation.name;
    }
    EXPECT_EQ(host_.panels().find(live), nullptr) << "Destroy, last, really removed it";

    // Making a panel and every flyout operation answer their faults likewise.
    AIPanelRef made = nullptr;
    AIPanelFlyoutMenuRef madeMenu = nullptr;
    const struct {
        const char* suite;
        const char* operation;
        std::function<ASErr()> call;
    } others[] = {
        {kAIPanelSuite, "Create",
         [&] { return panel_->Create(self_, "Other", "T", 1, AISize{1, 1}, false, nullptr, nullptr, &made); }},
        {kAIPanelFlyoutMenuSuite, "Create", [&] { return flyout_->Create(&madeMenu); }},
        {kAIPanelFlyoutMenuSuite, "AppendItem", [&] { return flyout_->AppendItem(menu, 9, "x"); }},
        {kAIPanelFlyoutMenuSuite, "AppendSeparator", [&] { return flyout_->AppendSeparator(menu, 10); }},
        {kAIPanelFlyoutMenuSuite, "SetItemEnabled", [&] { return flyout_->SetItemEnabled(menu, 1, true); }},
        {kAIPanelFlyoutMenuSuite, "GetItemEnabled", [&] { return flyout_->GetItemEnabled(menu, 1, &flag); }},
        {kAIPanelFlyoutMenuSuite, "SetItemText", [&] { return flyout_->SetItemText(menu, 1, "x"); }},
        {kAIPanelFlyoutMenuSuite, "Destroy", [&] { return flyout_->Destroy(menu); }},
    };
    for (const auto& o : others) {
        host_.faults().failOperation(o.suite, o.operation, kNope);
        EXPECT_EQ(o.call(), kNope) << o.suite << " " << o.operation;
        host_.faults().clear();
    }

    // Nothing was done by any fault.
    const host::Panel* kept = host_.panels().find(untouched);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(std::make_tuple(kept->shown, kept->size.width, kept->preferredWidth, kept->flyoutProc, kept->icon.size()),
              std::make_tuple(false, 240.0f, 0.0f, AIPanelFlyoutMenuProc{}, size_t{0}));
    EXPECT_EQ(host_.panels().all().size(), 2u) << "the untouched panel and the later one";
    const host::FlyoutMenu* items = host_.panels().findMenu(menu);
    ASSERT_NE(items, nullptr);
    ASSERT_EQ(items->items.size(), 3u);
    EXPECT_EQ(std::tie(items->items[0].enabled, items->items[0].text), std::make_tuple(false, "Preferences…"));
}

TEST_F(HostPanels, CreateRefusesWhatWouldMakeNoSoundPanel)
{
    AIPanelFlyoutMenuRef menu = MakeMenu();
    MakePanel("Taken");
    AIPanelRef made = nullptr;
    const struct {
        const char* what;
        SPPluginRef self;
        const char* id;
        const char* title;
        ai_int32 states;
        AISize minimum;
        AIPanelFlyoutMenuRef menu;
        AIPanelRef* made;
        ASErr expected;
    } cases[] = {
        {"fine", self_, "New", "T", 3, {240, 100}, menu, &made, kNoErr},
        {"no flyout menu is fine", self_, "New2", "T", 0, {0, 0}, nullptr, &made, kNoErr},
        {"an unknown plug-in", reinterpret_cast<SPPluginRef>(uintptr_t{77}), "A", "T", 3, {240, 100}, nullptr, &made, kBadHandleErr},
        {"no identifier", self_, nullptr, "T", 3, {240, 100}, nullptr, &made, kBadParameterErr},
        {"no title", self_, "B", nullptr, 3, {240, 100}, nullptr, &made, kBadParameterErr},
        {"no result", self_, "C", "T", 3, {240, 100}, nullptr, nullptr, kBadParameterErr},
        {"an identifier taken", self_, "Taken", "T", 3, {240, 100}, nullptr, &made, kBadParameterErr},
        {"a negative state count", self_, "D", "T", -1, {240, 100}, nullptr, &made, kBadParameterErr},
        {"a negative minimum", self_, "E", "T", 3, {-240, 100}, nullptr, &made, kBadParameterErr},
        {"a minimum not finite", self_, "F", "T", 3, {240, NAN}, nullptr, &made, kBadParameterErr},
        {"an unknown menu", self_, "G", "T", 3, {240, 100}, reinterpret_cast<AIPanelFlyoutMenuRef>(uintptr_t{555}), &made, kBadHandleErr},
    };
    size_t madeCount = 1;
    for (const auto& c : cases) {
        EXPECT_EQ(panel_->Create(c.self, c.id, c.title, c.states, c.minimum, true, c.menu, nullptr, c.made), c.expected)
            << c.what;
        madeCount += c.expected == kNoErr;
        EXPECT_EQ(host_.panels().all().size(), madeCount) << c.what;
    }
}

TEST_F(HostPanels, FlyoutItemsKeepTheirOrderTextAndState)
{
    AIPanelFlyoutMenuRef menu = MakeMenu();
    char text[] = "Hide help";
    ASSERT_EQ(flyout_->SetItemText(menu, 3, text), kNoErr);
    text[0] = 'X'; // the host copied it

    const struct {
        const char* what;
        ASErr result;
        ASErr expected;
    } cases[] = {
        {"an item identifier taken", flyout_->AppendItem(menu, 3, "Again"), kBadParameterErr},
        {"a separator identifier taken", flyout_->AppendSeparator(menu, 1), kBadParameterErr},
        {"an item without text", flyout_->AppendItem(menu, 4, nullptr), kBadParameterErr},
        {"enabling an item it lacks", flyout_->SetItemEnabled(menu, 7, true), kNameNotFoundErr},
        {"asking about an item it lacks", flyout_->GetItemEnabled(menu, 7, nullptr), kNameNotFoundErr},
        {"naming an item it lacks", flyout_->SetItemText(menu, 7, "x"), kNameNotFoundErr},
        {"naming a separator", flyout_->SetItemText(menu, 2, "x"), kBadParameterErr},
        {"a null text", flyout_->SetItemText(menu, 1, nullptr), kBadParameterErr},
        {"asking into null", flyout_->GetItemEnabled(menu, 1, nullptr), kBadParameterErr},
        {"enabling item 1", flyout_->SetItemEnabled(menu, 1, true), kNoErr},
        {"a menu that is none", flyout_->AppendItem(reinterpret_cast<AIPanelFlyoutMenuRef>(uintptr_t{4242}), 1, "x"), kBadHandleErr},
        {"a null menu", flyout_->SetItemEnabled(nullptr, 1, true), kBadHandleErr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result, c.expected) << c.what;

    // Each item as id, text, separator, enabled: as the host keeps it and as the suite tells.
    using Item = std::tuple<ai_uint32, std::string, bool, bool>;
    std::vector<Item> kept, told;
    ASSERT_NE(host_.panels().findMenu(menu), nullptr);
    for (const host::FlyoutItem& item : host_.panels().findMenu(menu)->items) {
        kept.emplace_back(item.id, item.text, item.separator, item.enabled);
        ASBoolean enabled = !item.enabled;
        ASSERT_EQ(flyout_->GetItemEnabled(menu, item.id, &enabled), kNoErr);
        told.emplace_back(item.id, item.text, item.separator, enabled != 0);
    }
    const std::vector<Item> expected{{1, "Preferences…", false, true}, {2, "", true, false}, {3, "Hide help", false, false}};
    EXPECT_EQ(kept, expected);
    EXPECT_EQ(told, expected);

    // A destroyed menu is gone for the panel that showed it too.
    AIPanelRef panel = MakePanel("WithMenu", menu);
    ASSERT_EQ(flyout_->Destroy(menu), kNoErr);
    EXPECT_EQ(got<AIPanelFlyoutMenuRef>([&](auto* m) { return panel_->GetFlyoutMenu(panel, m); }, menu), nullptr);
    EXPECT_EQ(flyout_->SetItemEnabled(menu, 1, true), kBadHandleErr);
    EXPECT_EQ(flyout_->Destroy(menu), kBadHandleErr);
    EXPECT_EQ(flyout_->Create(nullptr), kBadParameterErr);
}

TEST_F(HostPanels, TheIconIsCopiedPngBytesAndAnythingElseIsRefused)
{
    AIPanelRef panel = MakePanel();
    std::vector<unsigned char> png(kPngStart, kPngStart + sizeof kPngStart);
    ASSERT_EQ(panel_->SetIconPNG(panel, png.data(), png.size()), kNoErr);
    png[12] = 'X';
    const std::vector<unsigned char> kept = host_.panels().find(panel)->icon;
    EXPECT_EQ(kept, std::vector<unsigned char>(kPngStart, kPngStart + sizeof kPngStart)) << "copied";

    const unsigned char gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0};
    const struct {
        const char* what;
        const unsigned char* bytes;
        size_t length;
    } refused[] = {
        {"a GIF", gif, sizeof gif},
        {"a PNG signature cut short", kPngStart, 7},
        {"no bytes", nullptr, 0},
        {"a null pointer with a length", nullptr, 16},
    };
    for (const auto& r : refused) {
        EXPECT_EQ(panel_->SetIconPNG(panel, r.bytes, r.length), kBadParameterErr) << r.what;
        EXPECT_EQ(host_.panels().find(panel)->icon, kept) << r.what << " left the icon as it was";
    }
}

// (A disabled item and a separator chosen are the panel-flyout and tools-and-menus scripts'.)
TEST_F(HostPanels, ChoosingAFlyoutItemCallsTheHandlerOfItsPanel)
{
    std::ostringstream out;
    const auto run = [&](std::vector<std::string> words) {
        const script::Line line{"t.varo", 1, std::move(words)};
        ASSERT_EQ(script::check(line), "");
        script::run(line, host_, out);
    };
    host_.log().takeUnread();
    run({"flyout", "1"});
    MakePanel("NoMenu"); // passed over: it has no flyout menu
    AIPanelFlyoutMenuRef menu = MakeMenu();
    AIPanelRef panel = MakePanel("PanneauEssai", menu);
    ASSERT_EQ(panel_->SetFlyoutMenuProc(panel, Flyout), kNoErr);
    ASSERT_EQ(flyout_->SetItemEnabled(menu, 3, true), kNoErr);
    run({"flyout", "4"});
    run({"flyout", "3"});
    ASSERT_EQ(flyout_->SetItemText(menu, 3, "Hide \"help\""), kNoErr);
    run({"flyout", "3"});
    EXPECT_EQ(host_.log().takeUnread(), (std::vector<std::string>{
                                            "warning: no panel with a flyout menu",
                                            "warning: no flyout item 4",
                                            "flyout \"Table 2.0\" 3 \"Show help\"",
                                            "flyout \"Table 2.0\" 3 \"Hide \\\"help\\\"\"",
                                        }));
    EXPECT_EQ(gChosen, (std::vector<Chosen>{{panel, 3}, {panel, 3}}));

    // The handler lives in the plug-in's code: with that code gone it is not called.
    host::PluginRecord& owner = *host_.plugins().all()[0];
    const SPPluginMainProc main = owner.main;
    owner.main = nullptr;
    run({"flyout", "3"});
    owner.main = main;
    EXPECT_EQ(host_.log().takeUnread(),
              std::vector<std::string>{"warning: flyout item 3: the code of Owner is unloaded"});
    EXPECT_EQ(gChosen.size(), 2u);

    for (const char* bad : {"-1", "x", "3.0", "+3", "4294967296", ""})
        EXPECT_EQ(script::check(script::Line{"t.varo", 1, {"flyout", bad}}),
                  "\"" + std::string(bad) + "\" is not a flyout item number");
    EXPECT_EQ(script::check(script::Line{"t.varo", 1, {"flyout"}}), "\"flyout\" takes N");
}

// The plug-in's panel as "print panels" shows it is the scripts'; here, what it never is.
TEST_F(HostPanels, PrintPanelsGivesOneLinePerPanelInTheOrderMade)
{
    AIPanelRef panel = MakePanel("Bare");
    ASSERT_EQ(panel_->SetSize(panel, AISize{240.5f, 152}), kNoErr);
    ASSERT_EQ(panel_->SetIconPNG(panel, kPngStart, sizeof kPngStart), kNoErr);
    MakePanel("Odd\"One\"", got<AIPanelFlyoutMenuRef>([&](auto* m) { return flyout_->Create(m); }));

    std::ostringstream out;
    const script::Line line{"t.varo", 1, {"print", "panels"}};
    ASSERT_EQ(script::check(line), "");
    script::run(line, host_, out);
    EXPECT_EQ(out.str(),
              "panel \"Bare\" \"Table 2.0\" shown no size 240.5x152 icon 16 flyout none\n"
              "panel \"Odd\\\"One\\\"\" \"Table 2.0\" shown no size 240x100 icon 0 flyout empty\n");
}

} // namespace
