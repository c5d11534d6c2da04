// The panel as the application's start leaves it: the controller woken from its interface
// file, every mirror on its control, the controls in their first state, page 0 disabled under
// the veil until the Table Tool is selected.
#include "PanneauHote.h"
#include "sdk/AIFont.h"
#include "ListePolices.h"
#include "Miroirs.h"
#include "PagesAide.h"
#include "PrisesTableau.h"
#include "Reglages.h"

#include "Application.h"
#include "Driver.h"

#include <gtest/gtest.h>

namespace {

using Reveil = PanneauHote;

// The object an interface file's identifier names: a view of the panel or of a window, or a
// window.
ns::Object* ObjetNomme(ns::View& panneau, std::string_view nom)
{
    if (ns::View* v = panneau.viewWithIdentifier(nom))
        return v;
    for (ns::Window* fenetre : ns::Application::sharedApplication().windows()) {
        if (fenetre->identifier() == nom)
            return fenetre;
        if (fenetre->contentView() != nullptr)
            if (ns::View* v = fenetre->contentView()->viewWithIdentifier(nom))
                return v;
    }
    return nullptr;
}

TEST_F(Reveil, EveryMirrorIsTheControlOfItsOutlet)
{
    lance();
    int miroirs = 0;
    for (const PriseTableau& prise : PrisesTableau()) {
        ns::Object* objet = ObjetNomme(vue(), prise.nom);
        EXPECT_NE(objet, nullptr) << prise.nom << " is not in the interface file";
        if (prise.miroir == nullptr)
            continue;
        ++miroirs;
        EXPECT_EQ(prise.miroir(), objet) << prise.nom;
    }
    EXPECT_EQ(miroirs, 105);
}

TEST_F(Reveil, AfterWakingPageZeroIsShownDisabledUnderTheVeil)
{
    lance();
    EXPECT_EQ(IndexPopup, 0);
    ASSERT_NE(GpopupPosLigColCad, nullptr);
    EXPECT_EQ(GpopupPosLigColCad->itemTitles(), (std::vector<std::string>{"Position & size", "Rows", "Columns", "Frame", "Text"}));
    EXPECT_EQ(GpopupPosLigColCad->indexOfSelectedItem(), 0);
    for (ns::Control* c : std::vector<ns::Control*>{GpopupPosLigColCad, GvaroBT, GurlBT, GzonePositionX, GstepPlusPositionX,
                                                    GzoneHauteurTableau, GstepMoinsHauteurTableau}) {
        EXPECT_FALSE(c->isHidden()) << c->identifier();
        EXPECT_FALSE(c->isEnabled()) << c->identifier();
    }
    for (ns::Control* c : std::vector<ns::Control*>{GzoneNbrLignes, GzoneNbrColonnes, GavecSansCadre, GnomTitre,
                                                    GpopUpTypeCouleur, GzoneGris, GglisNoir})
        EXPECT_TRUE(c->isHidden()) << c->identifier();
    ASSERT_NE(GboutonReveilTableauNSView, nullptr);
    EXPECT_EQ(GboutonReveilTableauNSView->frame(), ns::MakeRect(0, 127, 480, 197));
    // The veil is what a click on the panel's controls meets.
    EXPECT_EQ(vue().hitTest({60, 285}), GboutonReveilTableauNSView);
}

TEST_F(Reveil, TheToolWakesThePanelAndAnotherToolPutsItBack)
{
    lance();
    choisitOutil("Table Tool");
    EXPECT_TRUE(GzonePositionX->isEnabled());
    EXPECT_TRUE(GpopupPosLigColCad->isEnabled());
    EXPECT_EQ(GboutonReveilTableauNSView->frame().origin.x, 500);
    choisitOutil("Adobe Select Tool");
    EXPECT_FALSE(GzonePositionX->isEnabled());
    EXPECT_EQ(GboutonReveilTableauNSView->frame().origin.x, 0);
}

TEST_F(Reveil, AClickOnTheVeilSelectsTheTableTool)
{
    lance();
    ns::Window* fenetre = host_.panels().all().at(0)->window.get();
    ASSERT_NE(fenetre, nullptr);
    EXPECT_EQ(ns::driver::click(*fenetre, "BoutonReveilTableauNSView"), "");
    host_.toolEvents().deliverPending();
    ASSERT_NE(host_.tools().selected(), nullptr);
    EXPECT_EQ(host_.tools().selected()->title, "Table Tool");
    EXPECT_TRUE(OutilSelectionne);
    EXPECT_TRUE(GzonePositionX->isEnabled());
    EXPECT_EQ(GboutonReveilTableauNSView->frame().origin.x, 500);
}

TEST_F(Reveil, TheFieldsShowTheStoredDefaults)
{
    // "Son" tells a store the plug-in has written before from an empty one.
    lance({{"Son", true},
           {"NombreLignes", ai_int32{5}},
           {"RougeLignes", 200.0},
           {"CyanLignes", 12.5},
           {"NombreColonnes", ai_int32{2}},
           {"EpaisseurLignes", 0.5},
           {"EpaisseurCadre", 2.25},
           {"GouttiereLignes", 3.0},
           {"GouttiereCadre", 0.004},
           {"Corps", 9.5},
           {"NumPolice", ai_int32{2}}});
    const struct {
        ns::TextField* zone;
        const char* texte;
    } attendus[] = {
        {GzoneNbrLignes, "5"},         {GzoneNbrColonnes, "2"},       {GzoneEpaisseurLignes, "0.5 pt"},
        {GzoneEpaisseurCadre, "2.25 pt"}, {GzoneGouttiereLigne, "3 pt"}, {GzoneGouttiereCadre, "0 pt"},
        {GzoneCorps, "9.5 pt"},        {GnomTitre, "Title of the table"}, {GnomTexte, "Text"},
        {GavecSansCadreTexte, "With frame"}, {GavecSansTitreTexte, "With title"}, {GavecSansTexteTexte, "With Text"},
        {GnumeroPage, "1/10"},         {GzoneRouge, "200"},           {GzoneCyan, "12.5"},
        // Position and size keep the interface file's text until a table is drawn.
        {GzonePositionX, "0 mm"},
    };
    for (const auto& a : attendus) {
        ASSERT_NE(a.zone, nullptr) << a.texte;
        EXPECT_EQ(a.zone->stringValue(), a.texte) << a.zone->identifier();
    }
    EXPECT_EQ(NombreDeLignes, 5);
    EXPECT_EQ(Corps, 9.5);
    EXPECT_EQ(GlistePolices->itemTitles(), (std::vector<std::string>{"Test Sans", "Test Serif", "Test Mono"}));
    EXPECT_EQ(GlistePolices->indexOfSelectedItem(), 2 + KPOLICE);
    EXPECT_STREQ(TitreTableau, "Title of the table");
    EXPECT_STREQ(TexteCase, "Text");
    EXPECT_EQ(PageAide, 1);
    EXPECT_EQ(NbrPages, 10);
    auto* aide = dynamic_cast<ns::TextView*>(vue().viewWithIdentifier("PANaide"));
    ASSERT_NE(aide, nullptr);
    EXPECT_EQ(aide->string(), kPagesAide[0]);
    EXPECT_EQ(aide->frame().size.width, 216);
    EXPECT_FALSE(dynamic_cast<ns::Control*>(vue().viewWithIdentifier("PANaidePageAvant"))->isEnabled());
    for (ns::TextField* lettre : {GlabelTexteGRC, GlabelTexteVM, GlabelTexteBJ, GlabelTexteN})
        EXPECT_TRUE(lettre->isHidden()) << lettre->identifier();
}

TEST_F(Reveil, AFontListTheHostCannotReadEndsAtTheFirstFailure)
{
    lance();
    ns::PopUpButton liste;
    host_.faults().failOperation(kAIFontSuite, "GetFontName", kBadParameterErr);
    RemplitListePolices(&liste);
    EXPECT_EQ(liste.itemTitles(), std::vector<std::string>{""}) << "the failing item is kept, empty";
    host_.faults().clear();
    host_.faults().failOperation(kAIFontSuite, "CountFonts", kBadParameterErr);
    RemplitListePolices(&liste);
    EXPECT_TRUE(liste.itemTitles().empty());
}

} // namespace
