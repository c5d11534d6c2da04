// The Table Tool as the host drives it: gestures, the table's layer and group, the current
// table, the sounds and the annotations.
#include "CopiesDesReglages.h"
#include "FormatNombres.h"
#include "JeuxDeCouleurs.h"
#include "Prises.h"
#include "Sound.h"
#include "TableauPlugIn.h"
#include "TableauSuites.h"
#include "host/HostSuites.h"
#include "panel/PanneauHote.h"
#include "sdk/AINotifier.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

using host::ToolEventKind;
using host_test::got;

constexpr ai_uint16 kShift = aiEventModifiers_shiftKey;
constexpr ai_uint16 kOption = aiEventModifiers_optionKey;

// The sub-groups of one table, each with how many paths or texts it holds, as the document
// holds them.
using Contenu = std::vector<std::pair<std::string, size_t>>;

class Outil : public PanneauHote {
protected:
    Outil()
    {
        // The plug-in's state outlives a host here: each test starts as a fresh launch would.
        TableauCree = GroupeCree = OKDrag = DoitRedessiner = false;
        AHGroupe = nullptr;
        PositionX = PositionY = LongueurTableau = HauteurTableau = 0;
        VirguleOuPoint = '.';
        lance();
        RegleCommeLePanneau();
        choisitOutil("Table Tool");
    }

    // The current settings as the panel sets them when it starts: the defaults, every switch
    // on, the default title and text.
    static void RegleCommeLePanneau()
    {
        CopieDefautsDansCourants();
        AvecSansCadre = AvecSansTitre = AvecSansTexte = true;
        std::strcpy(TitreTableau, "Title of the table");
        std::strcpy(TexteCase, "Text");
        EXPECT_EQ(InitialiseLesStyles(), kNoErr);
    }

    bool envoie(ToolEventKind kind, double h, double v, ai_uint16 touches = 0)
    {
        return host_.toolEvents().send(kind, AIRealPoint{static_cast<AIReal>(h), static_cast<AIReal>(v)}, touches);
    }
    // Down and up at one point, with no movement between.
    void clique(double h, double v)
    {
        envoie(ToolEventKind::MouseDown, h, v);
        envoie(ToolEventKind::MouseUp, h, v);
    }
    void glisse(double h1, double v1, double h2, double v2, ai_uint16 touches = 0)
    {
        envoie(ToolEventKind::MouseDown, h1, v1, touches);
        envoie(ToolEventKind::MouseDrag, (h1 + h2) / 2, (v1 + v2) / 2, touches);
        envoie(ToolEventKind::MouseDrag, h2, v2, touches);
        envoie(ToolEventKind::MouseUp, h2, v2, touches);
    }

    static ai_int32 calques() { return got<ai_int32>([](auto* n) { return sAILayer->CountLayers(n); }); }
    AILayerHandle calqueTableaux() const
    {
        AILayerHandle calque = nullptr;
        return sAILayer->GetLayerByTitle(&calque, "Varo-Table") == kNoErr ? calque : nullptr;
    }
    // The groups "Table" of the tables' layer, the top-most first.
    std::vector<AIArtHandle> tables() const
    {
        std::vector<AIArtHandle> trouves;
        AIArtHandle groupe = nullptr, art = nullptr;
        if (calqueTableaux() == nullptr || sAIArt->GetFirstArtOfLayer(calqueTableaux(), &groupe) != kNoErr)
            return trouves;
        for (sAIArt->GetArtFirstChild(groupe, &art); art != nullptr; sAIArt->GetArtSibling(art, &art))
            trouves.push_back(art);
        return trouves;
    }
    static std::string nom(AIArtHandle art)
    {
        const char* lu = nullptr;
        return sAIArt->GetArtName(art, &lu) == kNoErr && lu != nullptr ? lu : "";
    }
    static Contenu contenu(AIArtHandle table)
    {
        Contenu c;
        AIArtHandle sous = nullptr;
        for (sAIArt->GetArtFirstChild(table, &sous); sous != nullptr; sAIArt->GetArtSibling(sous, &sous)) {
            size_t n = 0;
            AIArtHandle enfant = nullptr;
            for (sAIArt->GetArtFirstChild(sous, &enfant); enfant != nullptr; sAIArt->GetArtSibling(enfant, &enfant))
                ++n;
            c.emplace_back(nom(sous), n);
        }
        return c;
    }
    std::vector<std::string> alertes() const
    {
        std::vector<std::string> vues;
        for (const auto& ligne : host_.log().lines())
            if (ligne.rfind("alert: ", 0) == 0)
                vues.push_back(ligne);
        return vues;
    }
};

// The factory table: 3 rows (2 rules), 4 columns (3 rules), a double frame, a title and the
// 8 cells of the two rows below it.
// Top-most first, as the host lists a group's children.
const Contenu kTableUsine{{"Text", 8}, {"Title", 1}, {"Frame", 2}, {"Lines", 2}, {"Columns", 3}};

size_t nombreDe(const Contenu& c, const std::string& sousGroupe)
{
    for (const auto& [nom, n] : c)
        if (nom == sousGroupe)
            return n;
    return 0;
}

// The first drag makes the tables' layer above all the others; every drag, whichever way,
// makes the same factory table on top of the earlier ones, which are left as they were.
TEST_F(Outil, EveryDirectionOfADragMakesTheSameFactoryTableOnTop)
{
    const ai_int32 avant = calques();
    struct Geste {
        double h1, v1, h2, v2;
    };
    const Geste gestes[] = {
        {100, 700, 400, 610}, // down and to the right
        {400, 610, 100, 700}, // up and to the left
        {100, 610, 400, 700}, // up and to the right
        {400, 700, 100, 610}, // down and to the left
    };
    for (const Geste& g : gestes) {
        glisse(g.h1, g.v1, g.h2, g.v2);
        SCOPED_TRACE(testing::Message() << "from (" << g.h1 << ", " << g.v1 << ") to (" << g.h2 << ", " << g.v2 << ")");
        EXPECT_EQ(std::tie(PositionX, PositionY, LongueurTableau, HauteurTableau, TableauCree, OKDrag),
                  std::make_tuple(100.0, 700.0, 300.0, 90.0, true, false));
        ASSERT_FALSE(tables().empty());
        EXPECT_EQ(std::make_tuple(tables().front(), nom(AHGroupe)), std::make_tuple(AHGroupe, "Table")) << "on top of the earlier ones";
    }
    ASSERT_EQ(tables().size(), 4u) << "each drag a table of its own, in the one layer";
    for (const AIArtHandle table : tables())
        EXPECT_EQ(contenu(table), kTableUsine);
    EXPECT_EQ(calques(), avant + 1) << "one layer for every table";
    EXPECT_EQ(got<AILayerHandle>([](auto* c) { return sAILayer->GetNthLayer(0, c); }), calqueTableaux())
        << "made above all the others";
}

TEST_F(Outil, AClickWithoutMovementKeepsTheSizeItHas)
{
    clique(200, 300);
    EXPECT_EQ(std::tie(LongueurTableau, HauteurTableau, TableauCree), std::make_tuple(0.0, 0.0, true)) << "right after start the size is 0";
    glisse(100, 700, 400, 610);
    clique(10, 200);
    EXPECT_EQ(std::tie(PositionX, PositionY, LongueurTableau, HauteurTableau), std::make_tuple(10.0, 200.0, 300.0, 90.0))
        << "a click repeats the last table's size";
}

// Option and Shift clicks change nothing of the tables, and their drags and mouse-up neither.
TEST_F(Outil, ModifiedClicksAndFailedGesturesLeaveTheTablesAlone)
{
    glisse(100, 700, 400, 610);
    const AIArtHandle courante = AHGroupe;
    const Contenu avant = contenu(courante);

    const auto visible = [] { return got<ASBoolean>([](auto* v) { return sAIPanel->IsShown(PanneauRef, v); }, 7); };
    ASSERT_EQ(visible(), 1);
    glisse(10, 20, 30, 40, kOption);
    EXPECT_EQ(visible(), 0) << "an Option-click hides the panel";
    glisse(10, 20, 30, 40, kOption);
    EXPECT_EQ(visible(), 1) << "and a second one shows it again";

    glisse(10, 20, 30, 40, kShift); // turns the panel's page
    EXPECT_EQ(IndexPopup, 1);

    EXPECT_EQ(std::tie(AHGroupe, TableauCree, PositionX, LongueurTableau), std::make_tuple(courante, true, 100.0, 300.0))
        << "the table stays current, and the drag of a modified click does not resize it";
    EXPECT_EQ(contenu(courante), avant);
    EXPECT_EQ(tables().size(), 1u);
}

TEST_F(Outil, ALockedLayerIsAnAlertAndTheGestureMakesNothing)
{
    glisse(100, 700, 400, 610);
    ASSERT_EQ(sAILayer->SetLayerEditable(calqueTableaux(), false), kNoErr);
    glisse(50, 500, 150, 400);
    EXPECT_EQ(alertes(), (std::vector<std::string>{"alert: \"Impossible, locked layer!\""}));
    EXPECT_EQ(std::tie(TableauCree, PositionX, LongueurTableau), std::make_tuple(false, 100.0, 300.0))
        << "no table is current after it; its drag and mouse-up did nothing";
    EXPECT_EQ(tables().size(), 1u);

    // A rebuild asked for now draws nothing.
    DoitRedessiner = true;
    const Contenu avant = contenu(tables()[0]);
    envoie(ToolEventKind::TrackCursor, 0, 0);
    EXPECT_EQ(contenu(tables()[0]), avant);

    // The current layer locked, with the tables' layer free.
    ASSERT_EQ(sAILayer->SetLayerEditable(calqueTableaux(), true), kNoErr);
    ASSERT_EQ(sAILayer->SetLayerEditable(got<AILayerHandle>([](auto* c) { return sAILayer->GetCurrentLayer(c); }), false), kNoErr);
    glisse(50, 500, 150, 400);
    EXPECT_EQ(alertes().size(), 2u);
    EXPECT_EQ(tables().size(), 1u);
}

// A new table has none of the previous table's parts: a rebuild of a table that lacks some
// (a flat drag makes only its frame) leaves the table before it whole.
TEST_F(Outil, ARebuildOfANewTableNeverTouchesTheTableBefore)
{
    glisse(100, 700, 400, 610);
    const AIArtHandle premiere = AHGroupe;
    glisse(100, 400, 400, 400);
    const Contenu plate{{"Frame", 2}};
    EXPECT_EQ(contenu(AHGroupe), plate);
    DoitRedessiner = true;
    envoie(ToolEventKind::TrackCursor, 0, 0);
    EXPECT_FALSE(DoitRedessiner);
    EXPECT_EQ(contenu(premiere), kTableUsine);
    EXPECT_EQ(contenu(AHGroupe), plate);
}

// The group's creation is the gesture's condition: a group the host cannot name is the table
// all the same (the mouse-down answers why it has no name); a gesture that stops leaves
// nothing behind, not even the layer it made for the tables.
TEST_F(Outil, AGestureStopsOnlyWithoutItsGroupAndThenLeavesNothing)
{
    const struct {
        const char* suite;
        const char* operation;
        bool table;       // the gesture makes its table
        const char* nom;  // the table's name
    } cas[] = {
        {kAIArtSuite, "SetArtName", true, ""},
        {kAIArtSuite, "NewArt", false, nullptr},
        {kAILayerSuite, "SetLayerTitle", false, nullptr},
        {kAIArtSuite, "GetFirstArtOfLayer", false, nullptr},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.operation);
        for (const AIArtHandle table : tables())
            sAIArt->DisposeArt(table);
        if (AILayerHandle calque = calqueTableaux()) {
            ASSERT_EQ(sAILayer->DeleteLayer(calque), kNoErr);
        }
        const ai_int32 avant = calques();
        host_.log().takeUnread();
        host_.faults().failOperation(c.suite, c.operation, AS_FOUR_CHAR('F', 'A', 'I', 'L'));
        glisse(100, 700, 400, 610);
        host_.faults().clear();

        const std::vector<std::string> journal = host_.log().takeUnread();
        const bool echecSignale = std::any_of(journal.begin(), journal.end(), [](const std::string& ligne) {
            return ligne.find("\"AI Mouse Down\"") != std::string::npos && ligne.ends_with("-> 'FAIL'");
        });
        EXPECT_TRUE(echecSignale) << "the mouse-down answers the host's refusal";
        EXPECT_EQ(TableauCree, c.table);
        if (!c.table) {
            EXPECT_EQ(calques(), avant) << "the layer the gesture made is gone again";
            EXPECT_EQ(calqueTableaux(), nullptr);
            continue;
        }
        ASSERT_EQ(tables().size(), 1u);
        EXPECT_EQ(nom(tables()[0]), c.nom);
        Contenu sansNoms = kTableUsine;
        for (auto& sousGroupe : sansNoms)
            sousGroupe.first = c.nom;
        EXPECT_EQ(contenu(tables()[0]), sansNoms) << "drawn whole, its sub-groups no more named than it";
    }
}

TEST_F(Outil, AnEmptyTableGroupIsDisposedOfByTheNextDrag)
{
    // Nothing to show: no frame, title or text, one row and one column.
    AvecSansCadre = AvecSansTitre = AvecSansTexte = false;
    NombreDeLignes = NombreDeColonnes = 1;
    glisse(100, 700, 400, 610);
    const AIArtHandle vide = AHGroupe;
    ASSERT_EQ(got<AIArtHandle>([&](auto* e) { return sAIArt->GetArtFirstChild(vide, e); }), nullptr)
        << "nothing was drawn into it";
    RegleCommeLePanneau();
    glisse(50, 500, 150, 400);
    EXPECT_FALSE(sAIArt->ValidArt(vide, true));
    EXPECT_EQ(tables(), std::vector<AIArtHandle>{AHGroupe});
}

TEST_F(Outil, ARebuildFollowsThePanelAndADeletedTableIsNotDrawnAgain)
{
    glisse(100, 700, 400, 610);
    NombreDeColonnes = 6;
    DoitRedessiner = true;
    envoie(ToolEventKind::TrackCursor, 0, 0, kOption);
    EXPECT_TRUE(DoitRedessiner) << "with Option held the rebuild waits";
    EXPECT_EQ(nombreDe(contenu(AHGroupe), "Columns"), 3u);
    envoie(ToolEventKind::TrackCursor, 0, 0);
    EXPECT_FALSE(DoitRedessiner);
    EXPECT_EQ(nombreDe(contenu(AHGroupe), "Columns"), 5u);
    EXPECT_EQ(nombreDe(contenu(AHGroupe), "Text"), 12u);

    ASSERT_EQ(sAIArt->DisposeArt(AHGroupe), kNoErr);
    DoitRedessiner = true;
    envoie(ToolEventKind::TrackCursor, 0, 0);
    EXPECT_TRUE(tables().empty()) << "nothing is drawn for a deleted table";
    glisse(100, 700, 400, 610);
    EXPECT_EQ(tables().size(), 1u) << "the next drag makes a new one";
}

// (The Pop a mouse-down plays with the sound on is in the table-tool script's log.)
TEST_F(Outil, AMouseDownPlaysItsSoundOnlyWhenSoundIsOn)
{
    for (const bool son : {true, false}) {
        const size_t avant = ns::Sound::playedCount();
        SonDefaut = son;
        glisse(100, 700, 400, 610);
        EXPECT_EQ(ns::Sound::playedCount(), avant + (son ? 1 : 0)) << (son ? "sound on" : "sound off");
    }
}

TEST_F(Outil, SelectionWakesThePanelsFlyoutAndTheAnnotator)
{
    ASSERT_EQ(host_.annotators().all().size(), 1u);
    EXPECT_TRUE(host_.annotators().all()[0]->active);
    const auto actif = [](ai_uint32 article) {
        return got<ASBoolean>([&](auto* a) { return sAIPanelFlyoutMenu->GetItemEnabled(MenuLocal, article, a); }, 7);
    };
    EXPECT_EQ(actif(1), 1);
    choisitOutil("Adobe Select Tool");
    EXPECT_FALSE(host_.annotators().all()[0]->active);
    EXPECT_EQ(actif(3), 0);
    EXPECT_FALSE(OutilSelectionne);
}

// The help text always; the rubber band only while a drag that makes a table goes on, from
// the anchor to the last drag point, its corners left to the host.
TEST_F(Outil, TheAnnotationsFollowTheDrag)
{
    using Kind = host::DrawnItem::Kind;
    envoie(ToolEventKind::TrackCursor, 200, 300);
    std::vector<host::DrawnItem> dessin = host_.drawAnnotations();
    ASSERT_EQ(dessin.size(), 1u);
    EXPECT_EQ(dessin[0].kind, Kind::Text);
    EXPECT_EQ(dessin[0].text, "Click and drag to create a table.");
    const AIPoint curseur = host_.documentView().artworkToView({200, 300});
    EXPECT_EQ(std::tie(dessin[0].point.h, dessin[0].point.v), std::tie(curseur.h, curseur.v));
    EXPECT_FALSE(dessin[0].state.dashed);

    envoie(ToolEventKind::MouseDown, 400, 610);
    envoie(ToolEventKind::MouseDrag, 100, 700);
    dessin = host_.drawAnnotations();
    ASSERT_EQ(dessin.size(), 2u);
    EXPECT_EQ(dessin[0].kind, Kind::Outline);
    EXPECT_TRUE(dessin[0].state.dashed);
    const AIPoint a = host_.documentView().artworkToView({400, 610}), b = host_.documentView().artworkToView({100, 700});
    EXPECT_EQ(std::tie(dessin[0].rect.left, dessin[0].rect.top, dessin[0].rect.right, dessin[0].rect.bottom),
              std::make_tuple(std::min(a.h, b.h), std::min(a.v, b.v), std::max(a.h, b.h), std::max(a.v, b.v)));
    EXPECT_EQ(dessin[1].kind, Kind::Text);

    envoie(ToolEventKind::MouseUp, 100, 700);
    EXPECT_EQ(host_.drawAnnotations().size(), 1u) << "the band goes with the mouse-up";
}

TEST_F(Outil, TheHelpTextTakesTheSmartGuidesColourAndBlackWithoutIt)
{
    struct Cas {
        double rouge, vert, bleu;
    };
    for (const Cas& c : {Cas{1, 0, 0.5}, Cas{0.2, 0.4, 0.6}, Cas{2, -1, 0}}) {
        host_.preferences().put("", "snapomatic/Color/red", c.rouge);
        host_.preferences().put("", "snapomatic/Color/green", c.vert);
        host_.preferences().put("", "snapomatic/Color/blue", c.bleu);
        const auto dessin = host_.drawAnnotations();
        ASSERT_EQ(dessin.size(), 1u);
        const auto canal = [](double f) {
            const float v = static_cast<float>(f) * 65535.0f;
            return v <= 0 ? 0 : v >= 65535 ? 65535 : static_cast<int>(v);
        };
        const AIRGBColor& lue = dessin[0].state.color;
        EXPECT_EQ(std::make_tuple(lue.red, lue.green, lue.blue), std::make_tuple(canal(c.rouge), canal(c.vert), canal(c.bleu)));
    }
    host_.faults().failOperation(kAIPreferenceSuite, "GetRealPreference", kNoSuchKeyErr);
    const auto dessin = host_.drawAnnotations();
    ASSERT_EQ(dessin.size(), 1u);
    EXPECT_EQ(std::make_tuple(dessin[0].state.color.red, dessin[0].state.color.green, dessin[0].state.color.blue), std::make_tuple(0, 0, 0));
}

// The panel's fields take the theme's colours at each brightness change, and light, dark and
// light again ends where it began.
TEST_F(Outil, TheFieldsFollowTheInterfaceTheme)
{
    ASSERT_NE(PANzonePositionX(), nullptr);
    const auto couleur = [&](ai_int32 genre) {
        const AIUIThemeColor c = host_.theme().color(1, genre).value();
        return ns::Color::colorWithCalibratedRed(c.red, c.green, c.blue, c.alpha);
    };
    std::vector<ns::Color> vues;
    for (bool sombre : {false, true, false}) {
        host_.theme().setDark(sombre);
        host_.notifiers().deliver(kAIUIBrightnessChangedNotifier);
        EXPECT_EQ(PANzonePositionX()->backgroundColor(), couleur(4)) << sombre;
        EXPECT_EQ(PANzoneHauteurTableau()->textColor(), couleur(3)) << sombre;
        vues.push_back(PANzonePositionX()->backgroundColor());
    }
    EXPECT_NE(vues[0], vues[1]);
    EXPECT_EQ(vues[0], vues[2]);
}

} // namespace
