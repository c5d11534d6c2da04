// The panel as the application's start leaves it: the controller woken from its interface
// file, every declared control in the registry, the controls in their first state, page 0 disabled under
// the veil until the Table Tool is selected.
#include "PanneauHote.h"
#include "sdk/AIFont.h"
#include "ListePolices.h"
#include "Prises.h"
#include "PagesAide.h"
#include "Reglages.h"

#include "Application.h"
#include "Driver.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

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

TEST_F(Reveil, EveryDeclaredControlIsTheFilesObjectOfThatIdentifier)
{
    lance();
    ASSERT_FALSE(PrisesDeclarees().empty());
    std::set<std::string_view> vus;
    for (const PriseDeclaree& prise : PrisesDeclarees()) {
        EXPECT_TRUE(vus.insert(prise.id).second) << prise.id << " is declared twice";
        ns::Object* objet = ObjetNomme(vue(), prise.id);
        ASSERT_NE(objet, nullptr) << prise.id << " is not in the interface file";
        EXPECT_EQ(Registre().trouve(prise.id), objet) << prise.id;
    }
    EXPECT_EQ(PANzoneNbrLignes(), ObjetNomme(vue(), "PANzoneNbrLignes"));
}

// What the file's loading asks of an identifier: the file's objects themselves, put under
// another identifier, are taken when they are of its class and only then.
TEST_F(Reveil, AnIdentifierTakesOnlyAnObjectOfItsClass)
{
    lance();
    const struct {
        const char* id;
        const char* objet;
        bool accepte;
    } cas[] = {
        {"PANPosXNbrLigNbrColNSView", "PANEpaisseurLigColCadNSView", true}, // another icon button
        {"PANPosXNbrLigNbrColNSView", "PANdessinCouleursNSView", false},    // a view of another class
        {"COUinterieurGlisGris", "COUinterieurGlisNoir", true},
        {"COUinterieurGlisGris", "COUtoutesGlissieresNSView", false},
        {"COUlabelGRC", "COUlabelN", true},
        {"COUlabelGRC", "PANPosXNbrLigNbrColNSView", false},
        {"BoutonReveilTableauNSView", "PANdessinCorpsTableauNSView", false},
        {"PANzonePositionX", "PANzoneNbrLignes", true},  // a combo box is a text field
        {"PANzoneNbrLignes", "PANzonePositionX", false}, // a text field is no combo box
        {"COUglisGris", "COUzoneGris", false},
        {"PREdialogue", "ABOdialogue", true},
        {"PREdialogue", "PANdialogue", false},
    };
    for (const auto& c : cas) {
        const PriseDeclaree* prise = TrouvePriseDeclaree(c.id);
        ASSERT_NE(prise, nullptr) << c.id;
        ns::Object* objet = ObjetNomme(vue(), c.objet);
        ASSERT_NE(objet, nullptr) << c.objet;
        EXPECT_EQ(prise->accepte(*objet), c.accepte) << c.id << " given " << c.objet;
    }
    EXPECT_EQ(TrouvePriseDeclaree("PANnulle part"), nullptr);
}

TEST_F(Reveil, AfterWakingPageZeroIsShownDisabledUnderTheVeil)
{
    lance();
    EXPECT_EQ(IndexPopup, 0);
    ASSERT_NE(PANpopupPosLigColCad(), nullptr);
    EXPECT_EQ(PANpopupPosLigColCad()->itemTitles(),
              (std::vector<std::string>{"Position & size", "Rows", "Columns", "Frame", "Text"}));
    EXPECT_EQ(PANpopupPosLigColCad()->indexOfSelectedItem(), 0);
    for (ns::Control* c :
         std::vector<ns::Control*>{PANpopupPosLigColCad(), PANvaroBT(), PANurlBT(), PANzonePositionX(),
                                   PANstepPlusPositionX(), PANzoneHauteurTableau(), PANstepMoinsHauteurTableau()}) {
        EXPECT_FALSE(c->isHidden()) << c->identifier();
        EXPECT_FALSE(c->isEnabled()) << c->identifier();
    }
    for (ns::Control* c : std::vector<ns::Control*>{PANzoneNbrLignes(), PANzoneNbrColonnes(), PANavecSansCadre(),
                                                    PANnomTitre(), COUpopUpTypeCouleur(), COUzoneGris(), COUglisNoir()})
        EXPECT_TRUE(c->isHidden()) << c->identifier();
    ASSERT_NE(BoutonReveilTableauNSView(), nullptr);
    EXPECT_EQ(BoutonReveilTableauNSView()->frame(), ns::MakeRect(0, 127, 480, 197));
    // The veil is what a click on the panel's controls meets.
    EXPECT_EQ(vue().hitTest({60, 285}), BoutonReveilTableauNSView());
}

// A click on the veil selects the Table Tool, which wakes the panel; another tool puts the
// veil back.
TEST_F(Reveil, AClickOnTheVeilSelectsTheTableToolAndAnotherToolPutsItBack)
{
    lance();
    ns::Window* fenetre = host_.panels().all().at(0)->window.get();
    ASSERT_NE(fenetre, nullptr);
    EXPECT_EQ(ns::driver::click(*fenetre, "BoutonReveilTableauNSView"), "");
    host_.toolEvents().deliverPending();
    ASSERT_NE(host_.tools().selected(), nullptr);
    EXPECT_EQ(host_.tools().selected()->title, "Table Tool");
    EXPECT_TRUE(OutilSelectionne);
    EXPECT_TRUE(PANzonePositionX()->isEnabled());
    EXPECT_TRUE(PANpopupPosLigColCad()->isEnabled());
    EXPECT_EQ(BoutonReveilTableauNSView()->frame().origin.x, 500);
    choisitOutil("Adobe Select Tool");
    EXPECT_FALSE(PANzonePositionX()->isEnabled());
    EXPECT_EQ(BoutonReveilTableauNSView()->frame().origin.x, 0);
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
        {PANzoneNbrLignes(), "5"},
        {PANzoneNbrColonnes(), "2"},
        {PANzoneEpaisseurLignes(), "0.5 pt"},
        {PANzoneEpaisseurCadre(), "2.25 pt"},
        {PANzoneGouttiereLigne(), "3 pt"},
        {PANzoneGouttiereCadre(), "0 pt"},
        {PANzoneCorps(), "9.5 pt"},
        {PANnomTitre(), "Title of the table"},
        {PANnomTexte(), "Text"},
        {PANavecSansCadreTexte(), "With frame"},
        {PANavecSansTitreTexte(), "With title"},
        {PANavecSansTexteTexte(), "With Text"},
        {PANnumeroPage(), "1/10"},
        {COUzoneRouge(), "200"},
        {COUzoneCyan(), "12.5"},
        // Position and size keep the interface file's text until a table is drawn.
        {PANzonePositionX(), "0 mm"},
    };
    for (const auto& a : attendus) {
        ASSERT_NE(a.zone, nullptr) << a.texte;
        EXPECT_EQ(a.zone->stringValue(), a.texte) << a.zone->identifier();
    }
    EXPECT_EQ(NombreDeLignes, 5);
    EXPECT_EQ(Corps, 9.5);
    EXPECT_EQ(PANlistePolices()->itemTitles(), (std::vector<std::string>{"Test Sans", "Test Serif", "Test Mono"}));
    EXPECT_EQ(PANlistePolices()->indexOfSelectedItem(), 2 + KPOLICE);
    EXPECT_STREQ(TitreTableau, "Title of the table");
    EXPECT_STREQ(TexteCase, "Text");
    EXPECT_EQ(PageAide, 1);
    EXPECT_EQ(NbrPages, 10);
    auto* aide = dynamic_cast<ns::TextView*>(vue().viewWithIdentifier("PANaide"));
    ASSERT_NE(aide, nullptr);
    EXPECT_EQ(aide->string(), kPagesAide[0]);
    EXPECT_EQ(aide->frame().size.width, 216);
    EXPECT_FALSE(dynamic_cast<ns::Control*>(vue().viewWithIdentifier("PANaidePageAvant"))->isEnabled());
    for (ns::TextField* lettre : {COUlabelTexteGRC(), COUlabelTexteVM(), COUlabelTexteBJ(), COUlabelTexteN()})
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
