// Any table edited again: a table selected while the panel is shown becomes the current table,
// the panel shows its settings, and the next edit rebuilds it and no other; undo puts its art
// and its settings back together. A table without settings is selected, not made current;
// settings damaged by hand are read as the preference store reads its values.
#include "PanneauHote.h"
#include "Tree.h"

#include "Prises.h"
#include "ReglagesDuTableau.h"
#include "TableauSuites.h"

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

class Tableaux : public PanneauHote {
protected:
    void SetUp() override
    {
        lance();
        choisitOutil("Table Tool");
        dessine({100, 700}, {400, 600}); // the older table, A
        dessine({100, 500}, {300, 420}); // the newer one, B
    }
    void dessine(AIRealPoint de, AIRealPoint a)
    {
        host_.toolEvents().send(host::ToolEventKind::MouseDown, de, 0);
        host_.toolEvents().send(host::ToolEventKind::MouseDrag, a, 0);
        host_.toolEvents().send(host::ToolEventKind::MouseUp, a, 0);
        host_.deliverPendingEvents();
    }
    // A click with the selection tool, then the Table Tool again to edit.
    void selectionne(AIRealPoint point)
    {
        choisitOutil("Adobe Select Tool");
        host_.selection().click(point, false, 1);
        choisitOutil("Table Tool");
    }
    // The tables, oldest first, each as the tree prints it.
    std::vector<std::string> tableaux()
    {
        host_.deliverPendingEvents();
        std::istringstream arbre(host::render::treeOf(host_.document(), host_.fonts()));
        std::vector<std::string> tables;
        for (std::string ligne; std::getline(arbre, ligne);) {
            if (ligne == "  group \"Table\"")
                tables.emplace_back();
            else if (ligne.rfind("    ", 0) != 0)
                continue;
            if (!tables.empty())
                tables.back() += ligne + "\n";
        }
        return tables;
    }
    AIArtHandle groupe(size_t n)
    {
        const host::doc::Document& d = host_.document();
        const host::doc::Art* calque = d.art(d.layer(d.layers().front())->group);
        return calque->children.at(n);
    }
    static std::string champ(const Prise<ns::ComboBox>& zone) { return zone() != nullptr ? zone()->stringValue() : ""; }
    static std::string champ(const Prise<ns::TextField>& zone) { return zone() != nullptr ? zone()->stringValue() : ""; }
};

TEST_F(Tableaux, AnOlderTableSelectedIsEditedAndTheNewerOneIsLeftAlone)
{
    const std::vector<std::string> avant = tableaux();
    ASSERT_EQ(avant.size(), 2u);
    selectionne({250, 650});
    EXPECT_EQ(AHGroupe, groupe(0)) << "A is current";
    EXPECT_EQ(champ(PANzonePositionY), "246.94 mm") << "the panel shows A's place";
    choisit("PANpopupPosLigColCad", 1);
    valide("PANzoneNbrLignes", "5");
    const std::vector<std::string> apres = tableaux();
    ASSERT_EQ(apres.size(), 2u);
    EXPECT_NE(apres[0], avant[0]) << "A rebuilt";
    EXPECT_EQ(apres[1], avant[1]) << "B untouched";
    ReglagesTableau lu;
    ASSERT_TRUE(LitReglagesDuTableau(groupe(0), lu, true));
    EXPECT_EQ(lu.NombreDeLignes, 5);
    EXPECT_EQ(lu.PositionY, 700);
}

TEST_F(Tableaux, UndoAcrossAnEditOfAnOlderTablePutsItsSettingsBackAndTheNextEditReplacesItsParts)
{
    const std::vector<std::string> avant = tableaux();
    selectionne({250, 650});
    choisit("PANpopupPosLigColCad", 1);
    valide("PANzoneNbrLignes", "5");
    const std::vector<std::string> edite = tableaux();

    host_.undo();
    EXPECT_EQ(tableaux(), avant);
    EXPECT_EQ(NombreDeLignes, 3) << "A's settings as its group holds them again";
    EXPECT_EQ(champ(PANzoneNbrLignes), "3");
    host_.redo();
    EXPECT_EQ(tableaux(), edite);
    EXPECT_EQ(NombreDeLignes, 5);

    host_.undo();
    valide("PANzoneNbrLignes", "4");
    const std::vector<std::string> encore = tableaux();
    ASSERT_EQ(encore.size(), 2u);
    EXPECT_EQ(encore[1], avant[1]) << "B untouched";
    std::vector<std::string> sousGroupes;
    for (AIArtHandle enfant : host_.document().art(groupe(0))->children)
        sousGroupes.push_back(host_.document().art(enfant)->name);
    EXPECT_EQ(sousGroupes, (std::vector<std::string>{"Columns", "Lines", "Frame", "Title", "Text"}))
        << "the parts undo brought back were replaced, not drawn beside";
}

TEST_F(Tableaux, ATableWithoutSettingsIsSelectedButNotMadeCurrent)
{
    AIDictionaryRef d = nullptr;
    ASSERT_EQ(sAIDictionary->GetArtDictionary(groupe(0), &d), kNoErr);
    ASSERT_EQ(sAIDictionary->DeleteEntry(d, "VaroTableau"), kNoErr);
    sAIDictionary->Release(d);
    const std::vector<std::string> avant = tableaux();

    testing::internal::CaptureStderr();
    selectionne({250, 650});
    EXPECT_NE(testing::internal::GetCapturedStderr().find("drawn before tables kept their settings"),
              std::string::npos);
    EXPECT_EQ(host_.selection().art(), std::vector<AIArtHandle>{groupe(0)}) << "selected all the same";
    EXPECT_EQ(AHGroupe, groupe(1)) << "B stays current";
    choisit("PANpopupPosLigColCad", 1);
    valide("PANzoneNbrLignes", "5");
    EXPECT_EQ(tableaux()[0], avant[0]);
    EXPECT_NE(tableaux()[1], avant[1]);
}

// A hand-edited drawing: each damage gives the factory value, and the plug-in says which.
TEST_F(Tableaux, DamagedSettingsAreReadAsTheFactoryValuesAndSaid)
{
    const struct {
        const char* quoi;
        std::function<void(AIDictionaryRef)> abime;
        std::function<bool(const ReglagesTableau&)> lu;
        const char* dit;
    } cas[] = {
        {"a count out of range", [](AIDictionaryRef d) { sAIDictionary->SetIntegerEntry(d, "NombreLignes", 0); },
         [](const ReglagesTableau& r) { return r.NombreDeLignes == 3; }, "\"NombreLignes\" (0) is outside 1 to 100000"},
        {"a size of another kind", [](AIDictionaryRef d) { sAIDictionary->SetStringEntry(d, "Corps", "big"); },
         [](const ReglagesTableau& r) { return r.Corps == 12; }, "\"Corps\" is missing or unreadable"},
        {"a gutter missing", [](AIDictionaryRef d) { sAIDictionary->DeleteEntry(d, "GouttiereCadre"); },
         [](const ReglagesTableau& r) { return r.GouttiereCadre == 3.2; }, "\"GouttiereCadre\" is missing"},
        {"a colour type unknown", [](AIDictionaryRef d) { sAIDictionary->SetIntegerEntry(d, "TypeCouleursTexte", 7); },
         [](const ReglagesTableau& r) { return r.Couleurs[ElementTexte].TypeCouleur == TypeGris; },
         "\"TypeCouleursTexte\" (7) is outside 0 to 2"},
        {"a channel out of range", [](AIDictionaryRef d) { sAIDictionary->SetRealEntry(d, "RougeCadre", 300); },
         [](const ReglagesTableau& r) { return r.Couleurs[ElementCadre].Rouge == 255; },
         "\"RougeCadre\" (300) is outside 0 to 255"},
        {"a title too long", [](AIDictionaryRef d) { sAIDictionary->SetStringEntry(d, "TitreTableau", std::string(81, 'x').c_str()); },
         [](const ReglagesTableau& r) { return r.Titre == "Title of the table"; }, "longer than 80 characters"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        AIDictionaryRef d = nullptr;
        ASSERT_EQ(sAIDictionary->GetArtDictionary(groupe(0), &d), kNoErr);
        c.abime(d);
        sAIDictionary->Release(d);
        ReglagesTableau lu;
        testing::internal::CaptureStderr();
        ASSERT_TRUE(LitReglagesDuTableau(groupe(0), lu));
        EXPECT_NE(testing::internal::GetCapturedStderr().find(c.dit), std::string::npos);
        EXPECT_TRUE(c.lu(lu));
        // Built again, the table carries sound settings.
        ASSERT_EQ(EcritReglagesDuTableau(groupe(0), ReglagesCourants()), kNoErr);
    }
}

} // namespace
