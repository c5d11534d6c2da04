// What the plug-in registers at start-up, and how it answers its notifications.
#include "TableauPlugIn.h"
#include "ThemeInterface.h"
#include "panel/PanneauHote.h"
#include "sdk/AINotifier.h"

#include <tuple>

namespace {

class Registrations : public PanneauHote {
protected:
    host::PluginRecord* plugin_ = host_.plugins().all().at(0).get();
};

TEST_F(Registrations, TheToolTheAnnotatorTheMenusAndTheNotifiers)
{
    host_.launch();
    ASSERT_TRUE(plugin_->started);
    const host::Tool* tool = host_.tools().withName("Table Tool");
    ASSERT_NE(tool, nullptr);
    // Its own group: there is no sibling tool.
    EXPECT_EQ(std::tie(tool->title, tool->tooltip, tool->group, tool->options),
              std::make_tuple("Table Tool", "Table Tool 2.0", tool->number, ai_int32{kToolWantsToTrackCursorOption}));
    EXPECT_EQ(tool->infoVariables, (std::vector<AIToolInfoVariable>{15, 16, 23}));
    EXPECT_EQ(tool->handle(), Outil);

    ASSERT_EQ(host_.annotators().all().size(), 1u);
    EXPECT_EQ(host_.annotators().all()[0]->name, "VaroAnno");
    EXPECT_FALSE(host_.annotators().all()[0]->active) << "asleep until the tool is selected";

    const host::MenuItem* hide = host_.menus().itemTitled("Hide Varo-Table");
    ASSERT_NE(hide, nullptr);
    EXPECT_EQ(std::tie(hide->group->name, hide->group->parent->group->name, hide->options),
              std::make_tuple("Varo-Tools", "Tool Palettes", ai_int32{kMenuItemWantsUpdateOption}));
    const host::MenuItem* about = host_.menus().itemTitled("Varo-Table");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->group->name, "About Varo-Tools");

    for (const char* type : {kAIApplicationShutdownNotifier, kAIArtSelectionChangedNotifier, kAIUIBrightnessChangedNotifier})
        EXPECT_EQ(host_.notifiers().count(type), 1) << type;
}

TEST_F(Registrations, AVaroToolsGroupThatExistsIsUsedAsItIs)
{
    // A sibling tool of the family made the group first.
    host::PluginRecord& sibling = host_.plugins().addInProcess("Sibling", [](const char*, const char*, void*) -> ASErr { return kNoErr; });
    AIMenuItemHandle item = nullptr;
    AIMenuGroup group = nullptr;
    const AIPlatformAddMenuItemData data{kToolPalettesMenuGroup, "Varo-Tools"};
    ASSERT_EQ(host_.menus().addItem(&sibling, "Varo-Tools", &data, 0, &item), kNoErr);
    ASSERT_EQ(host_.menus().addGroupAsSubMenu("Varo-Tools", 0, item, &group), kNoErr);
    host_.launch();
    ASSERT_TRUE(plugin_->started);
    int groupItems = 0;
    for (const auto& i : host_.menus().items())
        groupItems += i->title == "Varo-Tools";
    EXPECT_EQ(groupItems, 1);
    EXPECT_EQ(host_.menus().itemTitled("Hide Varo-Table")->group->handle(), group);
}

// Where the Table Tool lands: with the eyedropper when the user asked for it, otherwise with
// the first sibling of its family found, otherwise in a group of its own.
TEST(Placement, TheToolJoinsTheGroupItIsAskedTo)
{
    struct Cas {
        const char* description;
        bool outilsGroupe;
        std::vector<const char*> freres; // sibling tools present, in the order they were added
        const char* groupe;              // the tool whose group it joins; null for its own
        bool memeJeu;                    // in that tool's toolset too
    };
    const Cas cas[] = {
        {"no sibling", false, {}, nullptr, false},
        {"one sibling", false, {"Varo Chart Tool"}, "Varo Chart Tool", false},
        {"the first of the family's order", false, {"Varo Chart Tool", "Varo Grid Tool"}, "Varo Grid Tool", false},
        {"with the eyedropper", true, {"Varo Grid Tool"}, "Adobe Eyedropper Tool", true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.description);
        host::Host host(host::HostOptions{{}, {}, std::vector<std::string>{"Test Sans"}, {}});
        host::PluginRecord& frere = host.plugins().addInProcess("Sibling", [](const char*, const char*, void*) -> ASErr { return kNoErr; });
        host.plugins().addInProcess("VaroTable", PluginMain);
        for (const char* titre : c.freres) {
            const AIAddToolData data{titre, titre, 0, 0, kNoTool, kNoTool};
            AIToolHandle fait = nullptr;
            ASSERT_EQ(host.tools().add(&frere, titre, &data, 0, &fait), kNoErr);
        }
        // A store that has run the plug-in before, with the user's choice.
        host.preferences().put("VaroTableau", "Son", true);
        host.preferences().put("VaroTableau", "OutilsGroupe", c.outilsGroupe);
        host.launch();
        const host::Tool* outil = host.tools().withTitle("Table Tool");
        ASSERT_NE(outil, nullptr);
        const host::Tool* chef = c.groupe != nullptr ? host.tools().withTitle(c.groupe) : outil;
        ASSERT_NE(chef, nullptr);
        EXPECT_EQ(outil->group, chef->group);
        EXPECT_EQ(outil->toolset, c.memeJeu ? chef->number : kNoTool);
        host.quit();
    }
}

TEST_F(Registrations, AFailingRegistrationStopsTheStartup)
{
    host_.faults().failOperation(kAINotifierSuite, "AddNotifier", AS_FOUR_CHAR('N', 'O', 'P', 'E'));
    host_.launch();
    EXPECT_FALSE(plugin_->started);
    EXPECT_EQ(plugin_->globals, nullptr) << "the object goes";
}

TEST_F(Registrations, BrightnessSelectionAndShutdown)
{
    // The colours each brightness gives the panel are the tool's tests'.
    host_.launch();
    for (const bool sombre : {true, false}) {
        host_.theme().setDark(sombre);
        host_.notifiers().deliver(kAIUIBrightnessChangedNotifier);
        EXPECT_EQ(InterfaceSombre, sombre);
    }

    host_.annotators().takeInvalidated();
    host_.notifiers().deliver(kAIArtSelectionChangedNotifier);
    const std::vector<AIRect> redrawn = host_.annotators().takeInvalidated();
    ASSERT_EQ(redrawn.size(), 1u);
    EXPECT_EQ(std::tie(redrawn[0].left, redrawn[0].top, redrawn[0].right, redrawn[0].bottom),
              std::make_tuple(0, 0, host_.documentView().width(), host_.documentView().height()))
        << "the whole view";

    host_.notifiers().deliver(kAIApplicationShutdownNotifier); // no resource manager held: nothing
    EXPECT_TRUE(plugin_->started);
}

} // namespace
