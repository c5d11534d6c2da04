// Texts a person gave the current table's cells and title stay through its rebuilds: a cell
// keeps its text while the table has it, comes back when a smaller count removed it and a
// larger one brings it back, and the panel's cell text reaches only the cells never given one.
#include "TableHote.h"
#include "TextesGardes.h"
#include "UnicodeString.h"

#include <functional>
#include <sstream>

namespace table_test {
namespace {

class TextesGardesTest : public TableHote {
protected:
    TextesGardesTest()
    {
        OublieTextesGardes();
        EXPECT_EQ(TraceTout(), kNoErr);
        TableauCree = true;
    }

    // What a person typing into a frame leaves there.
    void Tape(const host::doc::Art* cadre, const std::string& texte)
    {
        for (AIArtHandle h : host_.document().subtree(AHGroupe))
            if (host_.document().art(h) == cadre)
                host_.document().edit(h)->pointText().text = ai::UnicodeString(texte).utf16();
    }
    void TapeCellule(Cellule cellule)
    {
        const int32_t premiere = AvecSansTitre ? 1 : 0;
        Tape(Cadres("Text").at(static_cast<size_t>((cellule.first - premiere) * NombreDeColonnes + cellule.second)),
             "r" + std::to_string(cellule.first) + "c" + std::to_string(cellule.second));
    }
    // A rebuild of the current table, as a panel edit makes it.
    void Reconstruit()
    {
        RecolteTextes();
        EXPECT_EQ(TraceTableau(), kNoErr);
    }
    // The title, then each row of cells, as one line: "Title | Text Text | r2c0 Text".
    std::string Textes() const
    {
        std::ostringstream out;
        for (const host::doc::Art* titre : Cadres("Title"))
            out << ai::UnicodeString(titre->pointText().text).as_UTF8() << " |";
        const std::vector<const host::doc::Art*> cadres = Cadres("Text");
        for (size_t i = 0; i < cadres.size(); ++i)
            out << (i % static_cast<size_t>(NombreDeColonnes) == 0 ? (i > 0 ? " | " : " ") : " ")
                << ai::UnicodeString(cadres[i]->pointText().text).as_UTF8();
        return out.str();
    }
};

TEST_F(TextesGardesTest, TypedTextsFollowTheTableThroughEveryRebuild)
{
    NombreDeColonnes = 2;
    Reconstruit();
    TapeCellule({1, 0});
    TapeCellule({2, 1});
    Tape(Cadres("Title").at(0), "My title");

    const struct {
        const char* quoi;
        std::function<void()> change;
        const char* attendu;
    } pas[] = {
        {"a colour change", [] { JeuxCouleurs[ElementTexte].Gris = 80; },
         "My title | r1c0 Text | Text r2c1"},
        {"one row less", [] { NombreDeLignes = 2; }, "My title | r1c0 Text"},
        {"the row back", [] { NombreDeLignes = 3; }, "My title | r1c0 Text | Text r2c1"},
        {"another cell text", [] { std::strcpy(TexteCase, "New"); }, "My title | r1c0 New | New r2c1"},
        {"one column less", [] { NombreDeColonnes = 1; }, "My title | r1c0 | New"},
        {"the column back", [] { NombreDeColonnes = 2; }, "My title | r1c0 New | New r2c1"},
        {"the title off", [] { AvecSansTitre = false; }, " New New | r1c0 New | New r2c1"},
        {"the title on", [] { AvecSansTitre = true; }, "My title | r1c0 New | New r2c1"},
        {"another title in the panel", [] {
             std::strcpy(TitreTableau, "Panel title");
             OublieTitreGarde();
         },
         "Panel title | r1c0 New | New r2c1"},
    };
    for (const auto& p : pas) {
        p.change();
        Reconstruit();
        EXPECT_EQ(Textes(), p.attendu) << "after " << p.quoi;
    }
}

TEST_F(TextesGardesTest, ACellTypedBackToTheCellTextFollowsTheCellTextAgain)
{
    TapeCellule({1, 2});
    Reconstruit();
    Tape(Cadres("Text").at(2), "Text");
    std::strcpy(TexteCase, "Other");
    Reconstruit();
    EXPECT_EQ(Textes(), "Title | Other Other Other Other | Other Other Other Other");
}

TEST_F(TextesGardesTest, ANewTableStartsWithNoneOfTheTextsOfTheOneBefore)
{
    TapeCellule({1, 1});
    Reconstruit();
    EXPECT_EQ(Textes(), "Title | Text r1c1 Text Text | Text Text Text Text");
    OublieTextesGardes(); // as the table tool does for a new table
    OublieSousGroupes();
    EXPECT_EQ(sAIArt->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &AHGroupe), kNoErr);
    TableauCree = false;
    EXPECT_EQ(TraceTableau(), kNoErr);
    EXPECT_EQ(Textes(), "Title | Text Text Text Text | Text Text Text Text");
}

} // namespace
} // namespace table_test
