// The rows, columns and frame as the host's document receives them.
#include "TableHote.h"

#include <array>
#include <cmath>
#include <limits>
#include <map>

namespace table_test {
namespace {

using Trait = std::array<float, 4>; // x1, y1, x2, y2

void AttendTraits(const std::vector<Chemin>& chemins, const std::vector<Trait>& attendus, const char* quoi)
{
    ASSERT_EQ(chemins.size(), attendus.size()) << quoi;
    for (size_t i = 0; i < attendus.size(); ++i) {
        SCOPED_TRACE(std::string(quoi) + " piece " + std::to_string(i));
        ASSERT_EQ(chemins[i].points.size(), 2u);
        EXPECT_FALSE(chemins[i].ferme);
        EXPECT_FLOAT_EQ(chemins[i].points[0].h, attendus[i][0]);
        EXPECT_FLOAT_EQ(chemins[i].points[0].v, attendus[i][1]);
        EXPECT_FLOAT_EQ(chemins[i].points[1].h, attendus[i][2]);
        EXPECT_FLOAT_EQ(chemins[i].points[1].v, attendus[i][3]);
    }
}

TEST_F(TableHote, TheWorkedExampleGivesItsRulesAndFrame)
{
    EXPECT_EQ(TraceColonnes(), kNoErr);
    EXPECT_EQ(TraceLignes(), kNoErr);
    EXPECT_EQ(TraceCadre(), kNoErr);

    AttendTraits(Chemins("Columns"),
                 {{73.5f, -30, 73.5f, -90}, {75.5f, -30, 75.5f, -90}, {149, -30, 149, -90}, {151, -30, 151, -90},
                  {224.5f, -30, 224.5f, -90}, {226.5f, -30, 226.5f, -90}},
                 "columns");
    AttendTraits(Chemins("Lines"),
                 {{0, -30, 300, -30}, {0, -60, 73.5f, -60}, {75.5f, -60, 149, -60}, {151, -60, 224.5f, -60},
                  {226.5f, -60, 300, -60}},
                 "rows");

    const std::vector<Chemin> cadre = Chemins("Frame");
    ASSERT_EQ(cadre.size(), 1u + 2 + 4 + 1);
    const Chemin& exterieur = cadre[0];
    EXPECT_TRUE(exterieur.ferme);
    EXPECT_FLOAT_EQ(exterieur.epaisseur, 4);
    const float coins[4][2] = {{-3.2f, 3.2f}, {303.2f, 3.2f}, {303.2f, -93.2f}, {-3.2f, -93.2f}};
    ASSERT_EQ(exterieur.points.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(exterieur.points[i].h, coins[i][0]) << "corner " << i;
        EXPECT_FLOAT_EQ(exterieur.points[i].v, coins[i][1]) << "corner " << i;
    }
    const std::vector<Chemin> interieur(cadre.begin() + 1, cadre.end());
    AttendTraits(interieur,
                 {{0, 0, 0, -90}, {300, 0, 300, -90}, {0, -90, 73.5f, -90}, {75.5f, -90, 149, -90},
                  {151, -90, 224.5f, -90}, {226.5f, -90, 300, -90}, {0, 0, 300, 0}},
                 "inner frame");
    for (const Chemin& c : interieur)
        EXPECT_FLOAT_EQ(c.epaisseur, 1) << "the inner frame has the second thickness";
}

// Each rule stroke, found by its coordinate across the rule, with its pieces.
std::map<float, std::vector<std::pair<float, float>>> Traits(const std::vector<Chemin>& chemins, bool horizontaux)
{
    std::map<float, std::vector<std::pair<float, float>>> traits;
    for (const Chemin& c : chemins) {
        const AIRealPoint a = c.points.at(0), b = c.points.at(1);
        if (horizontaux) {
            EXPECT_EQ(a.v, b.v);
            traits[a.v].push_back({a.h, b.h});
        } else {
            EXPECT_EQ(a.h, b.h);
            traits[a.h].push_back({b.v, a.v});
        }
    }
    return traits;
}

// Single and double rows, columns and frame, with and without a title: how many pieces each
// stroke is cut into, and where the inner frame breaks.
TEST_F(TableHote, EveryStrokeIsCutAtTheGuttersThatCrossIt)
{
    constexpr int nL = 4, nC = 3;
    for (const bool titre : {false, true})
        for (const double gL : {0.0, 2.0})
            for (const double gC : {0.0, 3.0})
                for (const double gF : {0.0, 4.0}) {
                    SCOPED_TRACE(testing::Message() << "title " << titre << " gL " << gL << " gC " << gC << " gF " << gF);
                    RegleLeTableau();
                    PositionX = 50;
                    PositionY = 500;
                    NombreDeLignes = nL;
                    NombreDeColonnes = nC;
                    GouttiereLignes = gL;
                    GouttiereColonnes = gC;
                    GouttiereCadre = gF;
                    AvecSansTitre = titre;
                    ASSERT_EQ(sAIArt->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &AHGroupe), kNoErr);
                    TraceTout();

                    const auto lignes = Traits(Chemins("Lines"), true);
                    EXPECT_EQ(lignes.size(), (nL - 1u) * (gL > 0 ? 2 : 1));
                    const float titreY = static_cast<float>(500 - (90 - (nL - 1) * gL) / nL);
                    for (const auto& [y, pieces] : lignes) {
                        const bool entier = gC == 0 || (titre && y == titreY);
                        EXPECT_EQ(pieces.size(), entier ? 1u : size_t{nC}) << "row stroke at " << y;
                    }
                    const auto colonnes = Traits(Chemins("Columns"), false);
                    EXPECT_EQ(colonnes.size(), (nC - 1u) * (gC > 0 ? 2 : 1));
                    for (const auto& [x, pieces] : colonnes) {
                        const size_t rangs = titre ? nL - 1 : nL;
                        EXPECT_EQ(pieces.size(), gL == 0 ? 1u : rangs) << "column stroke at " << x;
                        // Below the title row and its gutter, down to the bottom edge.
                        EXPECT_FLOAT_EQ(pieces.front().second, titre ? titreY - static_cast<float>(gL) : 500);
                        EXPECT_FLOAT_EQ(pieces.back().first, 410);
                    }

                    const std::vector<Chemin> cadre = Chemins("Frame");
                    ASSERT_FALSE(cadre.empty());
                    EXPECT_TRUE(cadre[0].ferme);
                    const std::vector<Chemin> interieur(cadre.begin() + 1, cadre.end());
                    if (gF == 0) {
                        EXPECT_TRUE(interieur.empty());
                    } else if (gL == 0 && gC == 0) {
                        ASSERT_EQ(interieur.size(), 1u);
                        EXPECT_TRUE(interieur[0].ferme);
                    } else {
                        std::vector<Chemin> cotes, bords;
                        for (const Chemin& c : interieur)
                            (c.points.at(0).h == c.points.at(1).h ? cotes : bords).push_back(c);
                        EXPECT_EQ(cotes.size(), gL != 0 ? 2u * nL : 2u) << "sides";
                        const auto parY = Traits(bords, true);
                        ASSERT_EQ(parY.size(), 2u);
                        EXPECT_EQ(parY.at(410).size(), gC != 0 ? size_t{nC} : 1u) << "bottom edge";
                        EXPECT_EQ(parY.at(500).size(), gC != 0 && !titre ? size_t{nC} : 1u) << "top edge";
                    }
                }
}

TEST_F(TableHote, ARebuildReplacesEverySubGroupAndKeepsThePaintOrder)
{
    ASSERT_EQ(TraceTout(), kNoErr);
    const std::vector<std::string> ordre{"Columns", "Lines", "Frame", "Title", "Text"};
    EXPECT_EQ(SousGroupes(), ordre);
    const std::vector<AIArtHandle> anciens = art(AHGroupe).children;
    const size_t objets = host_.document().artCount();

    TableauCree = true; // the tool's rebuild: the table is current, the request consumed
    NombreDeLignes = 4;
    JeuxCouleurs[ElementLignes].Gris = 100;
    ASSERT_EQ(TraceTout(), kNoErr);
    EXPECT_EQ(SousGroupes(), ordre);
    for (AIArtHandle ancien : anciens)
        EXPECT_FALSE(host_.document().valid(ancien)) << "nothing of the old build remains";
    EXPECT_EQ(Chemins("Lines").size(), 1u + 2 * 4) << "the rule under the title whole, the two others cut in four";
    for (AIArtHandle chemin : SousGroupe("Lines")->children)
        EXPECT_FLOAT_EQ(art(chemin).path().style->stroke.color.c.g.gray, 1) << "the new colour";
    EXPECT_EQ(host_.document().artCount(), objets + 4 + 4) << "four more row pieces and four more cells";

    // Smaller again, the frame single: nothing of a larger build is drawn again.
    NombreDeLignes = 2;
    GouttiereCadre = 0;
    ASSERT_EQ(TraceTout(), kNoErr);
    EXPECT_EQ(Chemins("Lines").size(), 1u) << "only the rule under the title";
    EXPECT_EQ(Chemins("Frame").size(), 1u) << "only the outer rectangle";
    EXPECT_EQ(Cadres("Text").size(), 4u) << "one row of cells";

    // One fewer column than two: no "Columns" group at all, the old one removed.
    NombreDeColonnes = 1;
    TraceTout();
    EXPECT_EQ(SousGroupes(), (std::vector<std::string>{"Lines", "Frame", "Title", "Text"}));
}

// Each element's rules and pieces share one record of their style in the host's document, as a
// large table's tens of thousands of paths would otherwise each hold a copy.
TEST_F(TableHote, AnElementsPathsShareOneStyleRecord)
{
    GouttiereLignes = 2;
    GouttiereColonnes = 3;
    GouttiereCadre = 4;
    ASSERT_EQ(TraceTout(), kNoErr);
    // The frame's outer rectangle comes first and is set apart; its pieces follow.
    const struct {
        const char* element;
        size_t first;
    } elements[] = {{"Columns", 0}, {"Lines", 0}, {"Frame", 1}};
    for (const auto& e : elements) {
        SCOPED_TRACE(e.element);
        const std::vector<AIArtHandle>& paths = SousGroupe(e.element)->children;
        ASSERT_GT(paths.size(), e.first + 2);
        for (size_t i = e.first; i < paths.size(); ++i)
            EXPECT_TRUE(art(paths[i]).path().style.sharesWith(art(paths[e.first]).path().style)) << i;
    }
}

// Settings the panel's fields accept but no table can be made of: the elements they govern
// are left out, the build ends, and no coordinate the host gets is not finite.
TEST_F(TableHote, SettingsThatMakeNoSenseDrawNothingForWhatTheyGovern)
{
    static constexpr double inf = std::numeric_limits<double>::infinity();
    static constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    struct Cas {
        const char* quoi;
        void (*regle)();
        std::vector<std::string> restent;
    };
    const Cas cas[] = {
        {"no columns", [] { NombreDeColonnes = 0; }, {"Title"}},
        {"no rows", [] { NombreDeLignes = 0; }, {"Frame"}},
        {"column gutters wider than the table", [] { GouttiereColonnes = 200; }, {"Title"}},
        {"row gutters taller than the table", [] { GouttiereLignes = 60; }, {}},
        {"width not finite", [] { LongueurTableau = inf; }, {}},
        {"height not a number", [] { HauteurTableau = nan; }, {}},
        {"position not finite", [] { PositionX = -inf; }, {}},
        {"position past a float", [] { PositionY = 1e300; }, {}},
        {"frame gutter not finite", [] { GouttiereCadre = inf; }, {"Columns", "Lines", "Title", "Text"}},
        {"frame thickness not finite", [] { EpaisseurCadre = nan; }, {"Columns", "Lines", "Title", "Text"}},
        {"rule thickness not finite", [] { EpaisseurLignes = inf; }, {"Columns", "Frame", "Title", "Text"}},
        {"type size not finite", [] { Corps = inf; }, {"Columns", "Lines", "Frame"}},
        {"a million cells",
         [] {
             NombreDeLignes = NombreDeColonnes = 1000;
             GouttiereColonnes = 0.1;
         },
         {"Columns", "Frame", "Title"}},
        {"as many whole rules as one element may make",
         [] {
             NombreDeLignes = static_cast<int32_t>(kMaxObjetsParElement) + 1;
             NombreDeColonnes = 1;
             GouttiereColonnes = 0;
             AvecSansTexte = false;
         },
         {"Lines", "Frame", "Title"}},
        // Counts a stored or typed value can give: no loop may run on them, no sum overflow.
        {"the most rows and columns below one",
         [] {
             NombreDeLignes = std::numeric_limits<int32_t>::max();
             NombreDeColonnes = -1;
             GouttiereColonnes = -1e6;
         },
         {"Title"}},
        {"the fewest rows", [] { NombreDeLignes = std::numeric_limits<int32_t>::min(); }, {"Frame"}},
        {"the fewest rows, a negative row gutter",
         [] {
             NombreDeLignes = std::numeric_limits<int32_t>::min();
             GouttiereLignes = -1;
         },
         {"Title"}},
        {"the fewest columns", [] { NombreDeColonnes = std::numeric_limits<int32_t>::min(); }, {"Title"}},
        {"one rule more",
         [] {
             NombreDeLignes = static_cast<int32_t>(kMaxObjetsParElement) + 2;
             NombreDeColonnes = 1;
             GouttiereColonnes = 0;
             AvecSansTexte = false;
         },
         {"Frame", "Title"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        RegleLeTableau();
        c.regle();
        ASSERT_EQ(sAIArt->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &AHGroupe), kNoErr);
        TraceTout();
        EXPECT_EQ(SousGroupes(), c.restent);
        for (AIArtHandle partie : host_.document().subtree(AHGroupe)) {
            const host::doc::Art& a = art(partie);
            for (const AIPathSegment& s : a.path().segments)
                EXPECT_TRUE(std::isfinite(s.p.h) && std::isfinite(s.p.v)) << a.name;
            EXPECT_TRUE(std::isfinite(a.pointText().anchor.h) && std::isfinite(a.pointText().anchor.v));
        }
    }
}

// A step of the build the host refuses: the element goes whole rather than stay half-made,
// the others are made, and the first refusal is the answer. Cleared, the next build makes it.
TEST_F(TableHote, AStepTheHostRefusesIsToldAndLeavesNoElementHalfMade)
{
    constexpr ASErr kRefus = AS_FOUR_CHAR('F', 'A', 'I', 'L');
    const struct {
        const char* element; // the one drawn
        void (*seul)();      // the settings that draw it alone
    } elements[] = {
        {"Columns", [] { NombreDeLignes = 1, AvecSansCadre = false; }},
        {"Lines", [] { NombreDeColonnes = 1, AvecSansCadre = false; }},
        {"Frame", [] { NombreDeLignes = NombreDeColonnes = 1; }},
    };
    const struct {
        const char* suite;
        const char* operation;
    } etapes[] = {
        {kAIArtSuite, "NewArt"},
        {kAIPathSuite, "SetPathSegments"},
        {kAIPathSuite, "SetPathSegmentCount"},
        {kAIPathStyleSuite, "SetPathStyle"},
    };
    const size_t vide = host_.document().artCount(); // the layer and the table group
    for (const auto& e : elements)
        for (const auto& etape : etapes) {
            SCOPED_TRACE(std::string(e.element) + ", " + etape.operation);
            RegleLeTableau();
            AvecSansTitre = AvecSansTexte = false;
            e.seul();
            TableauCree = true;
            host_.faults().failOperation(etape.suite, etape.operation, kRefus);
            EXPECT_EQ(TraceTout(), kRefus);
            host_.faults().clear();
            EXPECT_EQ(SousGroupes(), std::vector<std::string>{}) << "nothing half-made";
            EXPECT_EQ(host_.document().artCount(), vide) << "the table holds nothing";
            EXPECT_EQ(TraceTout(), kNoErr);
            EXPECT_EQ(SousGroupes(), std::vector<std::string>{e.element});
        }
    // A name the host refuses leaves the element whole, unnamed, and is told.
    RegleLeTableau();
    TableauCree = true;
    host_.faults().failOperation(kAIArtSuite, "SetArtName", kRefus);
    EXPECT_EQ(TraceTout(), kRefus);
    host_.faults().clear();
    EXPECT_EQ(art(AHGroupe).children.size(), 5u);
}

} // namespace
} // namespace table_test
