// The panel as the table's editor, driven as a user drives it (the page pop-up, typing and
// Return, clicks): what each page shows, how the colour editor is laid out for a colour type,
// what commits and step buttons store, the switches, the 80-character texts, the help's pages,
// the Varo button and the type-size view.
#include "PanneauHote.h"
#include "sdk/AITool.h"

#include "DessinCorpsTableau.h"
#include "JeuxDeCouleurs.h"
#include "Prises.h"
#include "PagesAide.h"
#include "Reglages.h"
#include "ThemeInterface.h"
#include "Tree.h"

#include "KeyboardEvents.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

namespace {

class Edition : public PanneauHote {
protected:
    void SetUp() override
    {
        lance({{"Son", false},
               {"NombreLignes", ai_int32{2}},
               {"NombreColonnes", ai_int32{2}},
               {"EpaisseurCadre", 3.0},
               {"GouttiereCadre", 2.0},
               {"Corps", 9.5},
               {"NumPolice", ai_int32{1}},
               {"CyanLignes", 12.5}});
        choisitOutil("Table Tool");
        // What earlier tests posted and no host answered.
        ns::takePostedEvents();
    }
    // The requests a change leaves: the flag, and the key posted for the host to answer.
    bool reconstructionDemandee()
    {
        const bool demandee = DoitRedessiner;
        const size_t touches = host_.deliverPendingEvents();
        EXPECT_EQ(touches, demandee ? 1u : 0u) << "one key posted per change";
        EXPECT_FALSE(DoitRedessiner) << "the tool took the request";
        return demandee;
    }
    size_t alertes()
    {
        size_t n = 0;
        for (const std::string& ligne : host_.log().lines())
            n += ligne.rfind("alert: ", 0) == 0;
        return n;
    }
};

// One letter per page 0 to 4: o on (shown, enabled); - off (hidden, disabled); f shown,
// enabled while the frame is on; d shown, enabled while the frame is on and its gutter
// positive; t / x shown, enabled while the title / the cell text is on; p shown, enabled while
// either is on.
struct GroupePage {
    std::vector<const char*> noms;
    const char* pages;
    bool montreSeulement = false; // labels and views: only shown or hidden
};

const GroupePage kPages[] = {
    {{"PANzonePositionX", "PANstepPlusPositionX", "PANstepMoinsPositionX", "PANzonePositionY", "PANzoneLongueurTableau",
      "PANstepMoinsLongueurTableau", "PANzoneHauteurTableau", "PANstepPlusHauteurTableau"},
     "o----"},
    {{"PANzoneNbrLignes", "PANstepPlusNbrLignes", "PANstepMoinsNbrLignes", "PANzoneEpaisseurLignes", "PANzoneGouttiereLigne"},
     "-o---"},
    {{"PANzoneNbrColonnes", "PANstepPlusNbrColonnes", "PANstepMoinsNbrColonnes", "PANzoneEpaisseurColonnes",
      "PANzoneGouttiereColonne"},
     "--o--"},
    {{"PANavecSansCadre", "PANavecSansCadreTexte"}, "---o-"},
    {{"PANzoneEpaisseurCadre", "PANzoneGouttiereCadre"}, "---f-"},
    {{"PANzoneEpaisseurCadreDeux"}, "---d-"},
    {{"PANavecSansTitre", "PANavecSansTitreTexte", "PANavecSansTexte", "PANavecSansTexteTexte"}, "----o"},
    {{"PANlistePolices", "PANzoneCorps"}, "----p"},
    {{"PANnomTitre"}, "----t"},
    {{"PANnomTexte"}, "----x"},
    {{"COUpopUpTypeCouleur"}, "-oooo"},
    // Every element is gray here.
    {{"COUzoneGris", "COUglisGris"}, "-oofo"},
    {{"COUzoneRouge", "COUglisVert", "COUzoneCyan", "COUglisNoir"}, "-----"},
    {{"COUinterieurGlisGris", "COUlabelGRC", "COUlabelTexteGRC", "COUpourCentGrisCyan", "COUtoutesGlissieresNSView"},
     "-oooo",
     true},
    {{"COUinterieurGlisRouge", "COUlabelVM", "COUlabelTexteVM", "COUpourCentMagenta"}, "-----", true},
};

TEST_F(Edition, EachPageShowsExactlyItsControls)
{
    for (int etat = 0; etat < 16; ++etat) {
        const bool cadre = etat & 1, gouttiere = etat & 2, titre = etat & 4, texte = etat & 8;
        AvecSansCadre = cadre;
        GouttiereCadre = gouttiere ? 3.2 : 0;
        AvecSansTitre = titre;
        AvecSansTexte = texte;
        for (int page = 0; page < 5; ++page) {
            SCOPED_TRACE("page " + std::to_string(page) + " frame " + std::to_string(cadre) + " gutter " +
                         std::to_string(gouttiere) + " title " + std::to_string(titre) + " text " + std::to_string(texte));
            choisit("PANpopupPosLigColCad", page);
            EXPECT_EQ(IndexPopup, page);
            for (const GroupePage& g : kPages) {
                const char regle = g.pages[page];
                const bool montre = regle != '-';
                const bool active = regle == 'o' || (regle == 'f' && cadre) || (regle == 'd' && cadre && gouttiere) ||
                                    (regle == 't' && titre) || (regle == 'x' && texte) ||
                                    (regle == 'p' && (titre || texte));
                for (const char* nom : g.noms) {
                    ns::View* v = vue().viewWithIdentifier(nom);
                    ASSERT_NE(v, nullptr) << nom;
                    EXPECT_EQ(!v->isHidden(), montre) << nom;
                    if (auto* c = dynamic_cast<ns::Control*>(v); c != nullptr && !g.montreSeulement) {
                        EXPECT_EQ(c->isEnabled(), active) << nom;
                    }
                }
            }
            EXPECT_EQ(taille().width, 240);
            EXPECT_EQ(taille().height, page == 0 ? 100 : page == 4 ? 131 : 109);
            // The colour rows sit one row lower under the text page's own third row.
            if (page > 0) {
                EXPECT_EQ(controle("COUzoneGris")->frame(), ns::MakeRect(191, page == 4 ? 204 : 226, 32, 19));
                EXPECT_EQ(controle("COUglisGris")->frame(), ns::MakeRect(-1, page == 4 ? 197 : 219, 186, 21));
            }
            const char* premiers[] = {"PANzonePositionX", "PANzoneNbrLignes", "PANzoneNbrColonnes",
                                      cadre ? "PANzoneEpaisseurCadre" : nullptr,
                                      titre   ? "PANnomTitre"
                                      : texte ? "PANnomTexte"
                                              : "COUzoneGris"};
            if (premiers[page] != nullptr) {
                EXPECT_EQ(focus(), premiers[page]);
            }
        }
    }
}

TEST_F(Edition, AShiftClickWithTheToolTurnsToTheNextPageAsThePopUpDoes)
{
    for (int page : {1, 2, 3, 4, 0}) {
        ASSERT_TRUE(host_.toolEvents().send(host::ToolEventKind::MouseDown, AIRealPoint{300, 300}, aiEventModifiers_shiftKey));
        EXPECT_EQ(IndexPopup, page);
        EXPECT_EQ(PANpopupPosLigColCad()->indexOfSelectedItem(), page);
        EXPECT_EQ(taille().height, page == 0 ? 100 : page == 4 ? 131 : 109) << "page " << page;
        // Nothing of the colour editor stays in view on the first page.
        EXPECT_EQ(controle("COUlabelTexteGRC")->isHidden(), page == 0) << "page " << page;
        EXPECT_EQ(PANzonePositionX()->isHidden(), page != 0) << "page " << page;
    }
    EXPECT_FALSE(TableauCree) << "a Shift-click makes no table";
}

TEST_F(Edition, TheColourEditorIsLaidOutForThePageElementsType)
{
    const struct {
        int page;
        int32_t type;
        double hauteur;
        std::vector<const char*> lettres; // the letter fields shown, top row first
        int pourCent;                     // "%" labels shown, from the top
        ns::Rect couverture;
        const char* premier; // its first field, and the slider beside it
        const char* glissiere;
        double JeuCouleurs::*canal;
    } cas[] = {
        {1, TypeCMJN, 175, {"C", "M", "Y", "K"}, 4, ns::MakeRect(0, 153, 177, 92), "COUzoneCyan", "COUglisCyan", &JeuCouleurs::Cyan},
        {2, TypeRVB, 152, {"R", "G", "B"}, 0, ns::MakeRect(0, 175, 177, 70), "COUzoneRouge", "COUglisRouge", &JeuCouleurs::Rouge},
        {4, TypeRVB, 174, {"R", "G", "B"}, 0, ns::MakeRect(0, 153, 177, 70), "COUzoneRouge", "COUglisRouge", &JeuCouleurs::Rouge},
        {4, TypeGris, 131, {"G"}, 1, ns::MakeRect(0, 197, 177, 26), "COUzoneGris", "COUglisGris", &JeuCouleurs::Gris},
        {3, TypeCMJN, 175, {"C", "M", "Y", "K"}, 4, ns::MakeRect(0, 153, 177, 92), "COUzoneCyan", "COUglisCyan", &JeuCouleurs::Cyan},
    };
    const char* lettres[] = {"COUlabelTexteGRC", "COUlabelTexteVM", "COUlabelTexteBJ", "COUlabelTexteN"};
    const char* labels[] = {"COUlabelGRC", "COUlabelVM", "COUlabelBJ", "COUlabelN"};
    const char* pourCent[] = {"COUpourCentGrisCyan", "COUpourCentMagenta", "COUpourCentJaune", "COUpourCentNoir"};
    for (const auto& c : cas) {
        SCOPED_TRACE("page " + std::to_string(c.page) + " type " + std::to_string(c.type));
        JeuxCouleurs[c.page - 1].TypeCouleur = c.type;
        JeuxCouleurs[c.page - 1].*c.canal = 37.3;
        choisit("PANpopupPosLigColCad", c.page);
        EXPECT_EQ(taille().height, c.hauteur);
        EXPECT_EQ(COUpopUpTypeCouleur()->indexOfSelectedItem(), c.type);
        const double bas = c.page == 4 ? 22 : 0;
        for (size_t rangee = 0; rangee < 4; ++rangee) {
            const bool utilisee = rangee < c.lettres.size();
            auto* lettre = controle<ns::TextField>(lettres[rangee]);
            EXPECT_EQ(!lettre->isHidden(), utilisee) << lettres[rangee];
            EXPECT_EQ(!vue().viewWithIdentifier(labels[rangee])->isHidden(), utilisee) << labels[rangee];
            EXPECT_EQ(!controle(pourCent[rangee])->isHidden(), static_cast<int>(rangee) < c.pourCent) << pourCent[rangee];
            if (utilisee) {
                EXPECT_EQ(lettre->stringValue(), c.lettres[rangee]);
            }
            EXPECT_EQ(vue().viewWithIdentifier(labels[rangee])->frame(), ns::MakeRect(174, 226 - 22.0 * rangee - bas, 17, 19));
            EXPECT_EQ(lettre->frame(), ns::MakeRect(175, 224 - 22.0 * rangee - bas, 19, 19));
        }
        EXPECT_EQ(vue().viewWithIdentifier("COUtoutesGlissieresNSView")->frame(), c.couverture);
        // The field shows the value in single precision, the slider stands at it.
        EXPECT_EQ(controle(c.premier)->stringValue(), "37.3");
        EXPECT_EQ(controle<ns::Slider>(c.glissiere)->doubleValue(), 37.3);
        EXPECT_TRUE(controle(c.premier)->isEnabled());
        JeuxCouleurs[c.page - 1].TypeCouleur = TypeGris;
    }

    // A type the editor does not know leaves the panel's size and the colour controls as the
    // page's placement left them.
    choisit("PANpopupPosLigColCad", 1);
    JeuxCouleurs[ElementColonnes].TypeCouleur = 7;
    choisit("PANpopupPosLigColCad", 2);
    EXPECT_EQ(taille().height, 109);
    EXPECT_FALSE(controle("COUzoneGris")->isHidden());
    EXPECT_EQ(focus(), "PANzoneNbrColonnes");
}

TEST_F(Edition, CommitsAndStepsStoreWhatTheFieldsSay)
{
    constexpr double mm = 2.8346457481384277;
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    // Each case starts from these, so that a refused text shows them again.
    const auto depart = [] {
        PositionX = 100, PositionY = 200, LongueurTableau = 300, HauteurTableau = 90;
        NombreDeLignes = 4, NombreDeColonnes = 2;
        EpaisseurLignes = 1, GouttiereLignes = 0, EpaisseurCadreDeux = 1, Corps = 12;
    };
    struct Cas {
        int page;
        const char* zone;
        const char* texte;   // typed and committed; or, for a step button, what the field shows
        const char* bouton;  // the step button clicked, if any
        uint32_t touches;    // held for the click
        const char* affiche; // what the field shows then
        double attendu;      // the setting then
        double (*reglage)();
        bool refuse = false; // the person is told, nothing is stored or rebuilt
    };
    const auto x = [] { return PositionX; };
    const auto y = [] { return PositionY; };
    const auto largeur = [] { return LongueurTableau; };
    const auto hauteur = [] { return HauteurTableau; };
    const auto lignes = [] { return static_cast<double>(NombreDeLignes); };
    const auto colonnes = [] { return static_cast<double>(NombreDeColonnes); };
    const auto epaisseur = [] { return EpaisseurLignes; };
    const auto corps = [] { return Corps; };
    const Cas cas[] = {
        // Lengths: millimetres, or the unit written.
        {0, "PANzoneLongueurTableau", "25,4", nullptr, 0, "25.4 mm", 25.4 * mm, largeur},
        {0, "PANzoneHauteurTableau", "2 in", nullptr, 0, "50.8 mm", 144, hauteur},
        {0, "PANzonePositionX", "72 pt", nullptr, 0, "25.4 mm", 72, x},
        {0, "PANzonePositionX", "1499999 mm", nullptr, 0, "1499999 mm", 1499999 * mm, x},
        {0, "PANzonePositionX", "2 furlongs", nullptr, 0, "35.28 mm", 100, x, true},
        // The step buttons, in the unit shown.
        {0, "PANzoneLongueurTableau", "1.25 in", "PANstepPlusLongueurTableau", 0, "1.3 in", 1.3 * 72, largeur},
        {0, "PANzoneLongueurTableau", "1.25 in", "PANstepPlusLongueurTableau", ns::ShiftKeyMask, "1.5 in", 1.5 * 72, largeur},
        {0, "PANzonePositionY", "50", "PANstepMoinsPositionY", ns::ShiftKeyMask, "45 mm", 45 * mm, y},
        {0, "PANzonePositionY", "0.8 in", "PANstepMoinsPositionY", 0, "0.7 in", 0.7 * 72, y},
        {0, "PANzonePositionY", "furlongs", "PANstepPlusPositionY", 0, "71 mm", 71 * mm, y},
        // Counts: whole numbers, shown as stored.
        {1, "PANzoneNbrLignes", "99999999999", nullptr, 0, "2147483647", kMax, lignes},
        {1, "PANzoneNbrLignes", "3.7", nullptr, 0, "3", 3, lignes},
        {1, "PANzoneNbrLignes", "1e+06", nullptr, 0, "1000000", 1000000, lignes},
        {1, "PANzoneNbrLignes", "abc", nullptr, 0, "4", 4, lignes, true},
        {1, "PANzoneNbrLignes", "1", "PANstepMoinsNbrLignes", 0, "1", 1, lignes},
        {1, "PANzoneNbrLignes", "-5", "PANstepMoinsNbrLignes", 0, "1", 1, lignes},
        {1, "PANzoneNbrLignes", "99", "PANstepPlusNbrLignes", 0, "100", 100, lignes},
        {1, "PANzoneNbrLignes", "999999", "PANstepPlusNbrLignes", 0, "1000000", 1000000, lignes},
        {1, "PANzoneNbrLignes", "99999999999", "PANstepPlusNbrLignes", 0, "2147483647", kMax, lignes},
        {2, "PANzoneNbrColonnes", "abc", "PANstepPlusNbrColonnes", 0, "3", 3, colonnes},
        // Points: points, or the unit written.
        {1, "PANzoneEpaisseurLignes", "1e999", nullptr, 0, "1 pt", 1, epaisseur, true},
        {1, "PANzoneEpaisseurLignes", "2 mm", nullptr, 0, "5.67 pt", 2 * mm, epaisseur},
        {1, "PANzoneEpaisseurLignes", "0,25", nullptr, 0, "0.25 pt", 0.25, epaisseur},
        {1, "PANzoneGouttiereLigne", "2,50", nullptr, 0, "2.5 pt", 2.5, [] { return GouttiereLignes; }},
        {3, "PANzoneEpaisseurCadreDeux", "1,50", nullptr, 0, "1.5 pt", 1.5, [] { return EpaisseurCadreDeux; }},
        // The type size: more than 0.
        {4, "PANzoneCorps", "7,5 pt", nullptr, 0, "7.5 pt", 7.5, corps},
        {4, "PANzoneCorps", "1 pi", nullptr, 0, "12 pt", 12, corps},
        {4, "PANzoneCorps", "0", nullptr, 0, "12 pt", 12, corps, true},
        {4, "PANzoneCorps", "0.05", nullptr, 0, "12 pt", 12, corps, true},
        {4, "PANzoneCorps", "1e39", nullptr, 0, "12 pt", 12, corps, true},
        {4, "PANzoneCorps", "1296", nullptr, 0, "1296 pt", 1296, corps},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.zone) + " \"" + c.texte + "\" " + (c.bouton ? c.bouton : "Return"));
        depart();
        choisit("PANpopupPosLigColCad", c.page);
        reconstructionDemandee();
        const size_t alertesAvant = alertes();
        if (c.bouton == nullptr) {
            valide(c.zone, c.texte);
        } else {
            controle(c.zone)->setStringValue(c.texte);
            clique(c.bouton, c.touches);
        }
        EXPECT_EQ(controle(c.zone)->stringValue(), c.affiche);
        EXPECT_DOUBLE_EQ(c.reglage(), c.attendu);
        EXPECT_EQ(alertes(), alertesAvant + (c.refuse ? 1 : 0));
        EXPECT_EQ(reconstructionDemandee(), !c.refuse);
    }
    const auto& log = host_.log().lines();
    EXPECT_NE(std::find(log.begin(), log.end(), "alert: \"\\\"abc\\\" is not a number.\""), log.end());

    // The frame gutter decides whether the inner frame has a thickness to set.
    choisit("PANpopupPosLigColCad", 3);
    valide("PANzoneGouttiereCadre", "0");
    EXPECT_EQ(controle("PANzoneGouttiereCadre")->stringValue(), "0 pt");
    EXPECT_FALSE(PANzoneEpaisseurCadreDeux()->isEnabled());
    valide("PANzoneGouttiereCadre", "2");
    EXPECT_TRUE(PANzoneEpaisseurCadreDeux()->isEnabled());
}

TEST_F(Edition, ARefusedTypeSizeLeavesTheTableAsItWas)
{
    const auto arbre = [&] {
        host_.deliverPendingEvents();
        return host::render::treeOf(host_.document(), host_.fonts());
    };
    host_.toolEvents().send(host::ToolEventKind::MouseDown, AIRealPoint{100, 700}, 0);
    host_.toolEvents().send(host::ToolEventKind::MouseUp, AIRealPoint{400, 600}, 0);
    choisit("PANpopupPosLigColCad", 4);
    const std::string dessine = arbre();
    ASSERT_NE(dessine.find("Text"), std::string::npos);
    for (const char* texte : {"0", "-3", "abc", "0 mm", "", "1e-50", "1e39"}) {
        valide("PANzoneCorps", texte);
        EXPECT_EQ(arbre(), dessine) << "\"" << texte << "\"";
        EXPECT_EQ(PANzoneCorps()->stringValue(), "9.5 pt");
    }
    // The arrows stop at a size a text can be drawn at, whichever way they go.
    for (const auto& [texte, touche, attendu] : {std::tuple{"-3", "Up", "0.1 pt"}, std::tuple{"5000", "Down", "1296 pt"},
                                                 std::tuple{"2e307", "Up", "1296 pt"}}) {
        ASSERT_EQ(ns::driver::type(fenetre(), "PANzoneCorps", texte), "");
        ASSERT_EQ(ns::driver::key(fenetre(), touche), "");
        EXPECT_EQ(PANzoneCorps()->stringValue(), attendu) << texte << " " << touche;
    }
    const std::string aLaTaille = arbre();
    EXPECT_NE(aLaTaille, dessine) << "drawn at the size the arrows gave";
    // The Varo button does not bring a default size no text can be drawn at (one never stored
    // is 0): the texts keep theirs.
    CorpsDefaut = 0;
    clique("PANvaroBT");
    EXPECT_EQ(PANzoneCorps()->stringValue(), "1296 pt");
    EXPECT_NE(arbre().find("size 1296"), std::string::npos);
}

TEST_F(Edition, LeavingAFieldCommitsItOnce)
{
    constexpr double mm = 2.8346457481384277;
    const struct {
        const char* chemin;
        std::function<void()> quitte;
        size_t reconstructions; // the commit's, and the path's own
    } chemins[] = {
        {"Tab", [this] { ns::driver::key(fenetre(), "Tab"); }, 1},
        {"Shift-Tab", [this] { ns::driver::key(fenetre(), "Tab", ns::ShiftKeyMask); }, 1},
        {"a click in another field", [this] { clique("PANzonePositionY"); }, 1},
        {"a click on a step button", [this] { clique("PANstepPlusPositionY"); }, 2},
        {"a click on the panel's icon", [this] { clique("PANPosXNbrLigNbrColNSView"); }, 1},
        {"a page switch", [this] { choisit("PANpopupPosLigColCad", 1); }, 1},
        {"a press on the artboard",
         [this] { host_.toolEvents().send(host::ToolEventKind::MouseDown, AIRealPoint{10, 10}, 0); }, 1},
        {"another tool", [this] { choisitOutil("Adobe Select Tool"); }, 1},
        {"a save", [this] { host_.commitTypedFields(); }, 1},
        {"the panel closed", [this] { EXPECT_EQ(host_.menus().chooseTitled("Hide Varo-Table"), ""); }, 1},
    };
    for (const auto& c : chemins) {
        SCOPED_TRACE(c.chemin);
        choisitOutil("Table Tool");
        host_.panels().all().at(0)->shown = true;
        choisit("PANpopupPosLigColCad", 0);
        host_.deliverPendingEvents();
        LongueurTableau = 300;
        ASSERT_EQ(ns::driver::type(fenetre(), "PANzoneLongueurTableau", "50"), "");
        const size_t traces = host_.log().lines().size();
        c.quitte();
        EXPECT_DOUBLE_EQ(LongueurTableau, 50 * mm);
        EXPECT_EQ(PANzoneLongueurTableau()->stringValue(), "50 mm");
        // The press and the tool change have the change drawn before they act.
        const auto& log = host_.log().lines();
        const auto suivis = std::count_if(log.begin() + static_cast<std::ptrdiff_t>(traces), log.end(),
                                          [](const std::string& l) { return l.find("\"AI Track Cursor\"") != std::string::npos; });
        EXPECT_EQ(static_cast<size_t>(suivis) + host_.deliverPendingEvents(), c.reconstructions);
    }

    // Return commits, and leaving the field then sends nothing more; a refused text is shown
    // as what is stored, so leaving it sends nothing either.
    choisitOutil("Table Tool");
    choisit("PANpopupPosLigColCad", 0);
    host_.deliverPendingEvents();
    valide("PANzoneLongueurTableau", "60");
    EXPECT_EQ(host_.deliverPendingEvents(), 1u);
    ASSERT_EQ(ns::driver::key(fenetre(), "Tab"), "");
    EXPECT_EQ(host_.deliverPendingEvents(), 0u);
    valide("PANzoneLongueurTableau", "60 furlongs");
    EXPECT_EQ(PANzoneLongueurTableau()->stringValue(), "60 mm");
    ASSERT_EQ(ns::driver::key(fenetre(), "Tab"), "");
    EXPECT_EQ(host_.deliverPendingEvents(), 0u);

    // Tab where the focus has nowhere to go (the text page with only the size on and a type
    // outside the three) still leaves the field: what was typed goes.
    choisit("PANpopupPosLigColCad", 4);
    JeuxCouleurs[ElementTexte].TypeCouleur = 7;
    host_.deliverPendingEvents();
    ASSERT_EQ(ns::driver::type(fenetre(), "PANzoneCorps", "20"), "");
    ASSERT_EQ(ns::driver::key(fenetre(), "Tab"), "");
    EXPECT_EQ(Corps, 20);
    EXPECT_EQ(host_.deliverPendingEvents(), 1u);
    JeuxCouleurs[ElementTexte].TypeCouleur = TypeGris;

    // Where a person sees the alert (a modal run), the press on the artboard that raised it
    // goes no further: the tool hears nothing of it.
    host_.setAlertPresenter([](const std::string&) {
        ns::Application& app = ns::Application::sharedApplication();
        app.setEventPump([&app] {
            app.stopModal();
            return true;
        });
        ns::Window alerte(ns::MakeRect(0, 0, 10, 10));
        app.runModalForWindow(alerte);
        app.setEventPump(nullptr);
    });
    choisit("PANpopupPosLigColCad", 0);
    ASSERT_EQ(ns::driver::type(fenetre(), "PANzoneLongueurTableau", "2 furlongs"), "");
    EXPECT_FALSE(host_.toolEvents().send(host::ToolEventKind::MouseDown, AIRealPoint{10, 10}, 0));
    EXPECT_EQ(host_.log().lines().back(), "alert: \"The unit of \\\"2 furlongs\\\" is unknown\\r (mm, cm, in, pt or pi).\"");
    host_.setAlertPresenter(nullptr);
}

TEST_F(Edition, TitlesAndTextsHoldEightyCharacters)
{
    std::string e80, e81, emoji80;
    for (int i = 0; i < 80; ++i)
        e80 += "\xC3\xA9", emoji80 += "\xF0\x9F\x98\x80";
    e81 = e80 + "\xC3\xA9";
    const struct {
        const char* zone;
        std::string texte;
        bool accepte;
    } cas[] = {
        {"PANnomTitre", std::string(80, 'a'), true},
        {"PANnomTitre", std::string(81, 'a'), false},
        {"PANnomTitre", e80, true},
        {"PANnomTitre", e81, false},
        {"PANnomTexte", emoji80, true},
        {"PANnomTexte", emoji80 + "!", false},
        {"PANnomTexte", "Line\rbreak", true},
        {"PANnomTexte", "", true},
        // Bytes that are not UTF-8 count one each.
        {"PANnomTexte", std::string(80, '\x80'), true},
        {"PANnomTexte", std::string(100000, '\x80'), false},
        {"PANnomTitre", std::string(100000, 'b'), false},
    };
    choisit("PANpopupPosLigColCad", 4);
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.texte.size()) + " bytes");
        char* reglage = std::string(c.zone) == "PANnomTitre" ? TitreTableau : TexteCase;
        const std::string avant = reglage;
        const size_t alertesAvant = alertes();
        valide(c.zone, c.texte);
        EXPECT_EQ(std::string(reglage), c.accepte ? c.texte : avant);
        EXPECT_EQ(alertes(), alertesAvant + (c.accepte ? 0 : 1));
        EXPECT_EQ(reconstructionDemandee(), c.accepte);
    }
    EXPECT_EQ(host_.log().lines().back(), "alert: \"The title of the table is too long\\r (up to 80 characters).\"");
}

TEST_F(Edition, TheSwitchesEnableTheirFieldsAndMoveTheFocus)
{
    struct Etape {
        const char* bouton;
        const char* libelle; // the switch's label then
        const char* libelleAttendu;
        bool police;         // the font pop-up and the type size enabled
        const char* focus;   // "" when it does not move
    };
    const Etape etapes[] = {
        {"PANavecSansTexte", "PANavecSansTexteTexte", "Without Text", true, ""},
        {"PANavecSansTitre", "PANavecSansTitreTexte", "Without title", false, "COUzoneCyan"},
        {"PANavecSansTitre", "PANavecSansTitreTexte", "With title", true, "PANnomTitre"},
        {"PANavecSansTexte", "PANavecSansTexteTexte", "With Text", true, "PANnomTexte"},
        {"PANavecSansTitre", "PANavecSansTitreTexte", "Without title", true, "PANnomTexte"},
    };
    JeuxCouleurs[ElementTexte].TypeCouleur = TypeCMJN;
    choisit("PANpopupPosLigColCad", 4);
    for (const Etape& e : etapes) {
        SCOPED_TRACE(std::string(e.bouton) + " -> " + e.libelleAttendu);
        controle<ns::TextField>("COUzoneNoir")->selectText(nullptr); // somewhere else first
        clique(e.bouton);
        EXPECT_EQ(controle(e.libelle)->stringValue(), e.libelleAttendu);
        EXPECT_EQ(PANlistePolices()->isEnabled(), e.police);
        EXPECT_EQ(PANzoneCorps()->isEnabled(), e.police);
        EXPECT_EQ(PANnomTitre()->isEnabled(), AvecSansTitre);
        EXPECT_EQ(PANnomTexte()->isEnabled(), AvecSansTexte);
        EXPECT_EQ(focus(), *e.focus ? e.focus : "COUzoneNoir");
        EXPECT_TRUE(reconstructionDemandee());
    }

    // The frame: off disables its fields and its colours; on with a gutter of 0 leaves the
    // inner frame disabled.
    choisit("PANpopupPosLigColCad", 3);
    GouttiereCadre = 0;
    for (bool cadre : {false, true}) {
        clique("PANavecSansCadre");
        EXPECT_EQ(AvecSansCadre, cadre);
        EXPECT_EQ(PANavecSansCadreTexte()->stringValue(), cadre ? "With frame" : "Without frame");
        for (ns::Control* c :
             {static_cast<ns::Control*>(PANzoneEpaisseurCadre()), static_cast<ns::Control*>(PANzoneGouttiereCadre()),
              static_cast<ns::Control*>(COUzoneGris()), static_cast<ns::Control*>(COUglisGris())})
            EXPECT_EQ(c->isEnabled(), cadre) << c->identifier();
        EXPECT_FALSE(PANzoneEpaisseurCadreDeux()->isEnabled());
        EXPECT_TRUE(reconstructionDemandee());
    }
}

TEST_F(Edition, WhatTheSwitchesDisableStaysDisabledWhateverThePath)
{
    const struct {
        const char* chemin;
        std::function<void()> suit;
    } chemins[] = {
        {"the page left and back", [this] { choisit("PANpopupPosLigColCad", 0); }},
        {"another tool and back", [this] { choisitOutil("Adobe Select Tool"); choisitOutil("Table Tool"); }},
        {"the Varo button", [this] { clique("PANvaroBT"); }},
        {"a colour type", [this] { choisit("COUpopUpTypeCouleur", 2); choisit("COUpopUpTypeCouleur", 0); }},
        {"a shift-click with the tool", [this] {
             for (int i = 0; i < 5; ++i)
                 host_.toolEvents().send(host::ToolEventKind::MouseDown, AIRealPoint{300, 300}, aiEventModifiers_shiftKey);
         }},
    };
    // The frame off: its fields, its inner thickness and its colour are disabled.
    choisit("PANpopupPosLigColCad", 3);
    if (AvecSansCadre)
        clique("PANavecSansCadre");
    ASSERT_FALSE(AvecSansCadre);
    for (const auto& c : chemins) {
        SCOPED_TRACE(c.chemin);
        c.suit();
        choisit("PANpopupPosLigColCad", 3);
        EXPECT_EQ(PANavecSansCadreTexte()->stringValue(), "Without frame");
        for (const char* nom : {"PANzoneEpaisseurCadre", "PANzoneGouttiereCadre", "PANzoneEpaisseurCadreDeux", "COUzoneGris", "COUglisGris"})
            EXPECT_FALSE(controle(nom)->isEnabled()) << nom;
        EXPECT_TRUE(PANavecSansCadre()->isEnabled());
    }
    clique("PANavecSansCadre");
    for (const char* nom : {"PANzoneEpaisseurCadre", "PANzoneGouttiereCadre", "PANzoneEpaisseurCadreDeux", "COUzoneGris"})
        EXPECT_TRUE(controle(nom)->isEnabled()) << nom;

    // Title and cell text off: the font and the size have nothing to serve.
    choisit("PANpopupPosLigColCad", 4);
    if (AvecSansTitre)
        clique("PANavecSansTitre");
    if (AvecSansTexte)
        clique("PANavecSansTexte");
    for (const auto& c : chemins) {
        SCOPED_TRACE(c.chemin);
        c.suit();
        choisit("PANpopupPosLigColCad", 4);
        EXPECT_FALSE(PANlistePolices()->isEnabled());
        EXPECT_FALSE(PANzoneCorps()->isEnabled());
    }
    clique("PANavecSansTexte");
    choisitOutil("Adobe Select Tool");
    EXPECT_TRUE(PANlistePolices()->isEnabled()) << "whatever the tool";
    EXPECT_TRUE(PANzoneCorps()->isEnabled());
}

TEST_F(Edition, TheFontAndTheVaroButton)
{
    choisit("PANpopupPosLigColCad", 4);
    choisit("PANlistePolices", 2 + KPOLICE);
    EXPECT_EQ(NumeroPolice, 2);
    EXPECT_TRUE(reconstructionDemandee());

    // Everything the preferences give a default goes back to it; the rest stays.
    valide("PANzoneCorps", "30");
    valide("PANnomTitre", "Kept");
    choisit("PANpopupPosLigColCad", 1);
    valide("PANzoneNbrLignes", "9");
    valide("PANzoneEpaisseurLignes", "6");
    JeuxCouleurs[ElementLignes].Rouge = 17;
    PositionX = 123;
    host_.deliverPendingEvents();
    clique("PANvaroBT");
    EXPECT_TRUE(reconstructionDemandee());
    EXPECT_EQ(NombreDeLignes, 2);
    EXPECT_EQ(PANzoneNbrLignes()->stringValue(), "2");
    EXPECT_EQ(EpaisseurLignes, EpaisseurLignesDefaut);
    EXPECT_EQ(GouttiereCadre, 2);
    EXPECT_EQ(EpaisseurCadre, 3);
    EXPECT_EQ(PANzoneEpaisseurCadre()->stringValue(), "3 pt");
    EXPECT_EQ(Corps, 9.5);
    EXPECT_EQ(PANzoneCorps()->stringValue(), "9.5 pt");
    EXPECT_EQ(NumeroPolice, 1);
    EXPECT_EQ(PANlistePolices()->indexOfSelectedItem(), 1 + KPOLICE);
    EXPECT_STREQ(TitreTableau, "Kept");
    EXPECT_EQ(JeuxCouleurs[ElementLignes].Rouge, 17);
    EXPECT_EQ(PositionX, 123);

    clique("PANurlBT");
    EXPECT_EQ(host_.log().lines().back(), "open URL \"https://www.varo-tools.fr\"");
}

TEST_F(Edition, TheHelpPagesTurnOneByOneAndStopAtBothEnds)
{
    auto* avant = controle<ns::Button>("PANaidePageAvant");
    auto* apres = controle<ns::Button>("PANaidePageApres");
    auto* aide = controle<ns::TextView>("PANaide");
    const auto verifie = [&](int page, const char* bulleAvant, const char* bulleApres) {
        SCOPED_TRACE("page " + std::to_string(page));
        EXPECT_EQ(PageAide, page);
        EXPECT_EQ(PANnumeroPage()->stringValue(), std::to_string(page) + "/10");
        EXPECT_EQ(aide->string(), kPagesAide[page - 1]);
        EXPECT_EQ(avant->isEnabled(), page > 1);
        EXPECT_EQ(apres->isEnabled(), page < 10);
        EXPECT_EQ(avant->toolTip(), bulleAvant);
        EXPECT_EQ(apres->toolTip(), bulleApres);
    };
    for (int page = 2; page <= 10; ++page) {
        clique("PANaidePageApres");
        verifie(page, "Help previous page.", page < 10 ? "Help next page." : "Help last page.");
    }
    // A disabled button does nothing.
    clique("PANaidePageApres");
    verifie(10, "Help previous page.", "Help last page.");
    for (int page = 9; page >= 1; --page) {
        clique("PANaidePageAvant");
        verifie(page, page > 1 ? "Help previous page." : "Help first page.", "Help next page.");
    }
}


TEST_F(Edition, TheTypeSizeViewDrawsTheLargeTInTheTextColour)
{
    ns::View& dessin = *vue().viewWithIdentifier("PANdessinCorpsTableauNSView");
    RougeTexteTheme = 0.2f, VertTexteTheme = 0.4f, BleuTexteTheme = 0.6f;
    const struct {
        JeuCouleurs texte;
        uint32_t grandT;
    } cas[] = {
        {{TypeGris, 100, 0, 0, 0, 0, 0, 0, 0}, 0xFF000000},
        {{TypeGris, 0, 0, 0, 0, 0, 0, 0, 0}, 0xFFFFFFFF},
        {{TypeRVB, 0, 255, 0, 51, 0, 0, 0, 0}, 0xFFFF0033},
        {{TypeCMJN, 0, 0, 0, 0, 0, 0, 100, 0}, 0xFFFFFF00},
        {{TypeCMJN, 0, 0, 0, 0, 0, 0, 0, 100}, 0xFF000000},
    };
    IndexPopup = 4;
    for (const auto& c : cas) {
        JeuxCouleurs[ElementTexte] = c.texte;
        EXPECT_EQ(PixelDeLaVue(dessin, 16, 6), c.grandT) << "the large T's stem, type " << c.texte.TypeCouleur;
        EXPECT_EQ(PixelDeLaVue(dessin, 10, 4), 0xFF336699u) << "the small T's stem, in the theme's text colour";
        EXPECT_EQ(PixelDeLaVue(dessin, 3, 15), 0u) << "nothing around them";
    }
    for (int page = 0; page < 4; ++page) {
        IndexPopup = page;
        EXPECT_EQ(PixelDeLaVue(dessin, 16, 6), 0u) << "page " << page;
    }

    // A Command-click puts the default size back; a plain one only focuses the field.
    choisit("PANpopupPosLigColCad", 4);
    Corps = 30;
    clique("PANdessinCorpsTableauNSView");
    EXPECT_EQ(Corps, 30);
    EXPECT_EQ(focus(), "PANzoneCorps");
    clique("PANdessinCorpsTableauNSView", ns::CommandKeyMask);
    EXPECT_EQ(Corps, 9.5);
    EXPECT_EQ(PANzoneCorps()->stringValue(), "9.5 pt");
    EXPECT_EQ(focus(), "PANzoneCorps");
    EXPECT_FALSE(reconstructionDemandee()) << "the size reaches the table when the field is committed";
}

} // namespace
