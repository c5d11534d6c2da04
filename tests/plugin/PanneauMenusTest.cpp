// The panel the plug-in makes when the application has started, and its flyout menu. Its
// identifier, title and flyout items as "print panels" shows them, and the host menu item
// that hides and shows it, are the panel-flyout script's.
#include "JeuxDeCouleurs.h"
#include "TableauPlugIn.h"
#include "TestFolder.h"
#include "panel/PanneauHote.h"

#include <tuple>

namespace {

namespace fs = std::filesystem;

class Panneau : public PanneauHote {
protected:
    host::Panel& panneau() { return *host_.panels().all().at(0); }
    const host::FlyoutItem& article(ai_uint32 id)
    {
        const host::FlyoutMenu* menu = host_.panels().findMenu(panneau().flyoutMenu);
        EXPECT_NE(menu, nullptr);
        const host::FlyoutItem* trouve = menu->item(id);
        EXPECT_NE(trouve, nullptr) << id;
        return *trouve;
    }
    void choisitArticle(ai_uint32 id) { EXPECT_EQ(host_.panels().chooseFlyoutItem(id, host_.log()), ""); }
};

TEST_F(Panneau, TheStartedApplicationGetsThePanelItsFlyoutAndItsIcon)
{
    lance();
    const host::Panel& p = panneau();
    EXPECT_EQ(std::make_tuple(p.stateCount, p.minimumSize.width, p.minimumSize.height, p.resizable, p.shown, p.preferredWidth),
              std::make_tuple(3, 240.0f, 100.0f, false, true, 300.0f));
    EXPECT_EQ(p.userData, host_.plugins().all()[0]->globals) << "the plug-in object";
    EXPECT_EQ(p.flyoutProc, &MenuCBP);
    const std::string icone = testing_files::readFile(VARO_PLUGINS_DIR "/VaroTable.bundle/Resources/IconePanneauReduit.png");
    EXPECT_EQ(p.icon, std::vector<unsigned char>(icone.begin(), icone.end()));
    ASSERT_NE(p.view, nullptr);
    ASSERT_EQ(p.view->subviews().size(), 1u) << "the controller's view";
    EXPECT_EQ(p.view->frame().size, (ns::Size{480, 324}));
    EXPECT_EQ(host_.dataFilters().size(), 0u) << "the icon's filter is closed";
}

TEST_F(Panneau, TheHelpToggleWidensThePanelAndGoesBackToThePagesHeight)
{
    lance();
    choisitOutil("Table Tool");
    struct Cas {
        int32_t page;
        int32_t type;
        float hauteur; // of the narrow panel on that page
    };
    const Cas cas[] = {
        {0, 0, 100}, {1, 0, 109}, {2, 1, 152}, {3, 2, 175}, {4, 0, 131}, {4, 1, 174}, {4, 2, 197},
        {5, 0, 197}, // not a page: the height read (the wide panel's) stays
        {2, 3, 197}, // not a colour type: likewise
    };
    for (const Cas& c : cas) {
        IndexPopup = c.page;
        for (int32_t* type : {&JeuxCouleurs[ElementLignes].TypeCouleur, &JeuxCouleurs[ElementColonnes].TypeCouleur, &JeuxCouleurs[ElementCadre].TypeCouleur, &JeuxCouleurs[ElementTexte].TypeCouleur})
            *type = c.type;
        panneau().size = AISize{240, 321};
        choisitArticle(3);
        EXPECT_EQ(std::make_tuple(taille().width, taille().height), std::make_tuple(480.0f, 197.0f));
        EXPECT_EQ(article(3).text, "Hide help");
        choisitArticle(3);
        EXPECT_EQ(std::make_tuple(taille().width, taille().height), std::make_tuple(240.0f, c.hauteur))
            << "page " << c.page << ", type " << c.type;
        EXPECT_EQ(article(3).text, "Show help");
    }
    // A width the user gave it counts as help shown.
    panneau().size = AISize{300, 150};
    IndexPopup = 0;
    choisitArticle(3);
    EXPECT_EQ(std::make_tuple(taille().width, taille().height), std::make_tuple(240.0f, 100.0f));
    EXPECT_EQ(article(3).text, "Show help");

    // Whatever narrows the panel again, the item says what choosing it does: a page switch or
    // a colour type chosen while the help shows.
    const struct {
        const char* quoi;
        const char* controle;
        int article;
    } retrecissent[] = {{"a page switch", "PANpopupPosLigColCad", 2}, {"a colour type", "COUpopUpTypeCouleur", 1}};
    for (int32_t* type : {&JeuxCouleurs[ElementLignes].TypeCouleur, &JeuxCouleurs[ElementColonnes].TypeCouleur, &JeuxCouleurs[ElementCadre].TypeCouleur, &JeuxCouleurs[ElementTexte].TypeCouleur})
        *type = TypeGris;
    for (const auto& r : retrecissent) {
        choisitArticle(3);
        ASSERT_EQ(article(3).text, "Hide help");
        ASSERT_EQ(ns::driver::choose(fenetre(), r.controle, r.article), "");
        EXPECT_EQ(taille().width, 240.0f) << r.quoi;
        EXPECT_EQ(article(3).text, "Show help") << r.quoi;
        choisitArticle(3);
        EXPECT_EQ(taille().width, 480.0f) << r.quoi << ": the item shows the help, as it says";
        choisitArticle(3);
    }
}

// Icons of every size around the chunk size, from a bundle of their own.
class IconePanneau : public testing::TestWithParam<size_t> {};

TEST_P(IconePanneau, IsReadWholeWhateverItsSize)
{
    const testing_files::TestFolder bundle;
    fs::create_directories(bundle / "Resources");
    // A PNG signature, then filler up to the size.
    std::vector<unsigned char> octets{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    for (size_t i = octets.size(); i < GetParam(); ++i)
        octets.push_back(static_cast<unsigned char>(i * 7));
    std::ofstream(bundle / "Resources" / "IconePanneauReduit.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
    host::Host host(host::HostOptions{{}, {}, std::vector<std::string>{"Test Sans"}, {}});
    host.plugins().addInProcess("VaroTable", PluginMain, bundle / "Resources");
    host.launch();
    ASSERT_EQ(host.panels().all().size(), 1u);
    EXPECT_EQ(host.panels().all()[0]->icon, octets);
    host.quit();
}

INSTANTIATE_TEST_SUITE_P(Tailles, IconePanneau, testing::Values(8, 1023, 1024, 1025, 2048, 5000));

} // namespace
