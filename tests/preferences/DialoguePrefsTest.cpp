// The preferences dialog driven as a user drives it (typing, keys, clicks in its window,
// without a modal run: its buttons then only close it): what OK stores, what Cancel and "By
// default" leave alone, its keyboard, the tool-group label, where it opens; and the icon
// buttons beside the fields, of the dialog and of the panel.
#include "panel/PanneauHote.h"

#include "BoutonIcone.h"
#include "Prises.h"
#include "PositionDialoguePrefs.h"
#include "Reglages.h"
#include "ThemeInterface.h"

#include "KeyboardEvents.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

class DialoguePrefs : public PanneauHote {
protected:
    void SetUp() override
    {
        lance(); // the first start: the factory defaults stored
        choisitOutil("Table Tool");
        ns::takePostedEvents();
    }
    ns::Window& dialogue() { return *PREdialogue(); }
    void tape(const char* champ, const std::string& texte) { ASSERT_EQ(ns::driver::type(dialogue(), champ, texte), ""); }
    void touche(const char* nom, uint32_t modificateurs = 0) { ASSERT_EQ(ns::driver::key(dialogue(), nom, modificateurs), ""); }
    void bouton(const char* nom) { ASSERT_EQ(ns::driver::click(dialogue(), nom), ""); }
    const host::PreferenceValue* stockee(const std::string& cle) { return host_.preferences().find("VaroTableau", cle); }
};

TEST_F(DialoguePrefs, OkStoresEachDefaultAsItsKindAndLeavesTheTableAlone)
{
    const std::vector<host::PreferenceStore::Entry> avant = host_.preferences().entries();
    std::vector<std::pair<std::string, host::PreferenceValue>> autres;
    for (const auto& e : avant)
        autres.emplace_back(e.key, *e.value);
    tape("PREzoneNombreLignes", "7");
    touche("Tab"); // a field commits as the focus leaves it
    tape("PREzoneEpaisseurCadre", "2,5");
    tape("PREzoneGouttiereLigne", "-1.5");
    tape("PREzoneNombreColonnes", "99999999999");
    bouton("PREson");
    tape("PREzoneCorps", "1 pi"); // OK commits the field being typed into
    bouton("PREokBT");
    const std::pair<const char*, host::PreferenceValue> attendues[] = {
        {"NombreLignes", ai_int32{7}},     {"NombreColonnes", ai_int32{100000}}, {"EpaisseurCadre", 2.5},
        {"GouttiereLignes", -1.5},         {"Corps", 12.0},                      {"Son", false},
        {"EpaisseurLignes", 1.0},          {"EpaisseurColonnes", 1.0},               {"EpaisseurCadreDeux", 1.0},
        {"GouttiereColonnes", 0.0},        {"GouttiereCadre", 3.2},                  {"OutilsGroupe", false},
        {"NumPolice", ai_int32{0}},        {"Police", std::string("Test Sans")},
    };
    for (const auto& [cle, valeur] : attendues) {
        ASSERT_NE(stockee(cle), nullptr) << cle;
        EXPECT_EQ(*stockee(cle), valeur) << cle;
    }
    // Nothing else is written: every other key is as it was.
    for (const host::PreferenceStore::Entry& e : host_.preferences().entries()) {
        if (std::any_of(std::begin(attendues), std::end(attendues), [&](const auto& a) { return e.key == a.first; }))
            continue;
        const auto it = std::find_if(autres.begin(), autres.end(), [&](const auto& a) { return a.first == e.key; });
        ASSERT_NE(it, autres.end()) << e.key << " written";
        EXPECT_EQ(*e.value, it->second) << e.key;
    }
    EXPECT_EQ(NombreDeLignes, 3) << "the panel's values stay until the Varo button";
    EXPECT_FALSE(SonDefaut);
    EXPECT_FALSE(dialogue().isVisible());
}

TEST_F(DialoguePrefs, ItStoresOnlyWhatTheNextLaunchTakesBack)
{
    // Counts are kept within what the store's reader takes (1 to 100,000), and shown so; a
    // type size that is no size, or a unit that is none, is refused and the field shows the
    // value kept; units are read as the panel reads them.
    const struct {
        const char* champ;
        const char* texte;
        const char* affiche;
        const char* cle;
        host::PreferenceValue stockee;
        bool alerte;
    } cas[] = {
        {"PREzoneNombreLignes", "0", "1", "NombreLignes", ai_int32{1}, false},
        {"PREzoneNombreLignes", "-5", "1", "NombreLignes", ai_int32{1}, false},
        {"PREzoneNombreLignes", "1000000", "100000", "NombreLignes", ai_int32{100000}, false},
        {"PREzoneNombreLignes", "999999", "100000", "NombreLignes", ai_int32{100000}, false},
        {"PREzoneNombreColonnes", "7 rows", "4", "NombreColonnes", ai_int32{4}, true},
        {"PREzoneCorps", "0", "12 pt", "Corps", 12.0, true},
        {"PREzoneCorps", "-3", "12 pt", "Corps", 12.0, true},
        {"PREzoneCorps", "abc", "12 pt", "Corps", 12.0, true},
        {"PREzoneCorps", "0,5 cm", "14.17 pt", "Corps", 5 * 2.8346457481384277, false},
        {"PREzoneEpaisseurCadre", "2 furlongs", "4 pt", "EpaisseurCadre", 4.0, true},
        {"PREzoneEpaisseurCadre", "2 MM", "5.67 pt", "EpaisseurCadre", 2 * 2.8346457481384277, false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.champ) + " \"" + c.texte + "\"");
        const size_t lignes = host_.log().lines().size();
        tape(c.champ, c.texte);
        touche("Tab");
        EXPECT_EQ(static_cast<ns::TextField*>(ns::driver::findView(dialogue(), c.champ))->stringValue(), c.affiche);
        bouton("PREokBT");
        ASSERT_NE(stockee(c.cle), nullptr);
        EXPECT_EQ(*stockee(c.cle), c.stockee);
        const auto& log = host_.log().lines();
        EXPECT_EQ(std::count_if(log.begin() + static_cast<std::ptrdiff_t>(lignes), log.end(),
                                [](const std::string& l) { return l.rfind("alert: ", 0) == 0; }),
                  c.alerte ? 1 : 0);
        dialogue().makeKeyAndOrderFront(nullptr);
    }
}

TEST_F(DialoguePrefs, CancelAndByDefaultStoreNothingAndOkKeepsTheFocus)
{
    tape("PREzoneNombreLignes", "5");
    tape("PREzoneEpaisseurLignes", "1.234");
    bouton("PREokBT");
    EXPECT_EQ(dynamic_cast<ns::View*>(dialogue().firstResponder())->identifier(), "PREzoneEpaisseurLignes")
        << "the field typed into keeps the focus for the next opening";
    const std::string avant = host_.preferences().text();

    tape("PREzoneNombreLignes", "9");
    touche("Tab");
    tape("PREzoneEpaisseurCadre", "7");
    touche("d", ns::CommandKeyMask); // By default
    EXPECT_EQ(PREzoneNombreLignes()->stringValue(), "3");
    EXPECT_EQ(PREzoneEpaisseurCadre()->stringValue(), "4 pt");
    tape("PREzoneEpaisseurLignes", "8"); // still being typed into at Cancel
    touche("Escape");
    EXPECT_EQ(host_.preferences().text(), avant);
    EXPECT_EQ(PREzoneNombreLignes()->stringValue(), "5") << "the dialog shows the stored defaults again";
    EXPECT_EQ(NombreDeLignesProv, 5);
    bouton("PREokBT");
    EXPECT_EQ(host_.preferences().text(), avant) << "nothing Cancel discarded comes back";
}

TEST_F(DialoguePrefs, TheKeyboardStepsAndGoesRoundTheFields)
{
    const struct {
        const char* champ;
        const char* texte;
        const char* touche;
        bool shift;
        const char* attendu;
    } cas[] = {
        {"PREzoneNombreLignes", "3", "Up", true, "6"},        {"PREzoneNombreLignes", "3", "Down", true, "2"},
        {"PREzoneNombreLignes", "1", "Down", true, "1"},      {"PREzoneEpaisseurLignes", "1.23", "Up", false, "1.3 pt"},
        {"PREzoneEpaisseurLignes", "0", "Down", false, "0 pt"}, {"PREzoneCorps", "0.1", "Down", false, "0.1 pt"},
        {"PREzoneGouttiereCadre", "2,5", "Up", true, "4 pt"},   {"PREzoneGouttiereLigne", "-1.5", "Up", false, "0 pt"},
        {"PREzoneNombreColonnes", "-5", "Up", false, "1"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.champ) + " " + c.texte + " " + c.touche);
        tape(c.champ, c.texte);
        touche(c.touche, c.shift ? uint32_t{ns::ShiftKeyMask} : 0u);
        EXPECT_EQ(static_cast<ns::TextField*>(ns::driver::findView(dialogue(), c.champ))->stringValue(), c.attendu);
    }
    EXPECT_EQ(NombreDeLignesProv, 1);
    EXPECT_DOUBLE_EQ(GouttiereCadreProv, 4);

    const char* cycle[] = {"PREzoneNombreLignes",    "PREzoneEpaisseurLignes",   "PREzoneGouttiereLigne",
                           "PREzoneNombreColonnes",  "PREzoneEpaisseurColonnes", "PREzoneGouttiereColonne",
                           "PREzoneEpaisseurCadre",  "PREzoneEpaisseurCadreDeux", "PREzoneGouttiereCadre",
                           "PREzoneCorps"};
    for (size_t i = 0; i < std::size(cycle); ++i) {
        static_cast<ns::TextField*>(ns::driver::findView(dialogue(), cycle[i]))->selectText(nullptr);
        touche("Tab");
        EXPECT_EQ(dynamic_cast<ns::View*>(dialogue().firstResponder())->identifier(), cycle[(i + 1) % std::size(cycle)]);
        touche("Tab", ns::ShiftKeyMask);
        EXPECT_EQ(dynamic_cast<ns::View*>(dialogue().firstResponder())->identifier(), cycle[i]);
    }
}

TEST_F(DialoguePrefs, TheToolGroupLabelShowsWhileTheBoxDiffersFromTheStoredChoice)
{
    const ns::View& label = *ns::driver::findView(dialogue(), "PREprochainLancement");
    EXPECT_TRUE(label.isHidden());
    bouton("PREoutilGroupe");
    EXPECT_FALSE(label.isHidden());
    bouton("PREoutilGroupe");
    EXPECT_TRUE(label.isHidden());
    bouton("PREoutilGroupe");
    bouton("PREokBT");
    EXPECT_TRUE(label.isHidden()) << "OK makes the box the stored choice";
    EXPECT_TRUE(OutilsGroupe);
    bouton("PREoutilGroupe");
    touche("d", ns::CommandKeyMask);
    EXPECT_FALSE(label.isHidden()) << "the factory choice differs from the stored one";
}

TEST_F(DialoguePrefs, ItOpensWhereItWasLeft)
{
    dialogue().makeKeyAndOrderFront(nullptr);
    EXPECT_EQ(dialogue().frame(), PositionDialoguePrefs);
    const ns::Rect ailleurs = ns::MakeRect(40, 50, 360, 289);
    dialogue().setFrame(ailleurs, true);
    bouton("PREannulerBT");
    fenetre().makeKeyAndOrderFront(nullptr);
    dialogue().setFrame(ns::MakeRect(0, 0, 360, 289), true); // not the main window: not recorded
    dialogue().makeKeyAndOrderFront(nullptr);
    EXPECT_EQ(dialogue().frame(), ailleurs);
}

// Each channel within a few steps: cairo rounds 0.1 of 255 either way, and a colour at half
// opacity read back from premultiplied pixels moves by up to 2.
bool Proche(uint32_t a, uint32_t b)
{
    for (int decalage = 0; decalage < 32; decalage += 8) {
        const int x = static_cast<int>((a >> decalage) & 0xFF), y = static_cast<int>((b >> decalage) & 0xFF);
        if (x - y > 2 || y - x > 2)
            return false;
    }
    return true;
}


TEST_F(DialoguePrefs, TheRowCountIconIsItsPlusMinusAndRows)
{
    ns::View& icone = *ns::driver::findView(dialogue(), "PREnbrLignesNSView");
    OutilSelectionne = false; // the dialog's icons are never dimmed
    constexpr uint32_t kBleu = 0xFF0000FF, kStructure = 0xFF1A1A1A;
    for (const auto& [x, y] : {std::pair{9, 12}, {14, 13}, {12, 10}, {11, 15}, {9, 4}, {14, 5}})
        EXPECT_EQ(PixelDeLaVue(icone, x, y), kBleu) << x << "," << y;
    for (const auto& [x, y] : {std::pair{8, 12}, {15, 13}, {12, 9}, {12, 16}, {8, 5}, {15, 5}, {12, 7}})
        EXPECT_EQ(PixelDeLaVue(icone, x, y), 0u) << x << "," << y;
    for (const int y : {8, 17})
        EXPECT_TRUE(Proche(PixelDeLaVue(icone, 10, y), kStructure) || Proche(PixelDeLaVue(icone, 10, y - 1), kStructure)) << y;
    EXPECT_EQ(PixelDeLaVue(icone, 2, 8), 0u);
    EXPECT_EQ(PixelDeLaVue(icone, 2, 7), 0u);
}

TEST_F(DialoguePrefs, PanelIconsFollowThePageTheThemeAndTheTool)
{
    const struct {
        const char* icone;
        int page;
        bool sombre, outil;
        uint32_t accent; // a highlight pixel somewhere; 0: the icon is blank
        const char* bulle;
        const char* champ; // focused by a click; "" for none
    } cas[] = {
        {"PANEpaisseurLigColCadNSView", 1, false, true, 0xFF0000FF, "Thickness of the lines.", "PANzoneEpaisseurLignes"},
        {"PANEpaisseurLigColCadNSView", 3, false, true, 0xFF0000FF, "Thickness of the outer frame.", "PANzoneEpaisseurCadre"},
        {"PANEpaisseurLigColCadNSView", 3, true, true, 0xFF1A99FF, "Thickness of the outer frame.", "PANzoneEpaisseurCadre"},
        {"PANgouttiereLigColCadNSView", 2, true, false, 0x801A99FF, "Gutter between columns.", "PANzoneGouttiereColonne"},
        {"PANPosXNbrLigNbrColNSView", 0, false, false, 0x800000FF, "X position of the table.", "PANzonePositionX"},
        {"PANHauteurCadreDeuxNSView", 3, false, true, 0xFF0000FF, "Thickness of the inner frame.", "PANzoneEpaisseurCadreDeux"},
        {"PANHauteurCadreDeuxNSView", 3, false, false, 0x800000FF, "Thickness of the inner frame.", ""},
        {"PANHauteurCadreDeuxNSView", 2, false, true, 0, "", ""},
        {"PANPosXNbrLigNbrColNSView", 4, false, true, 0, "", ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.icone) + " page " + std::to_string(c.page));
        GouttiereCadre = 3.2; // the inner thickness can take the focus
        choisit("PANpopupPosLigColCad", c.page);
        const std::string avant = focus();
        InterfaceSombre = c.sombre;
        OutilSelectionne = c.outil;
        auto& icone = *static_cast<BoutonIcone*>(vue().viewWithIdentifier(c.icone));
        // The page's tooltip from the switch on, before any hover: none where it draws nothing.
        EXPECT_EQ(icone.toolTip(), c.bulle);
        bool trouve = false, vide = true;
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 17; ++x) {
                const uint32_t p = PixelDeLaVue(icone, x, y);
                vide = vide && p == 0;
                trouve = trouve || Proche(p, c.accent);
            }
        EXPECT_EQ(vide, c.accent == 0);
        EXPECT_TRUE(c.accent == 0 || trouve) << std::hex << c.accent;
        icone.mouseEntered(ns::Event::mouseEvent(ns::EventType::MouseMoved, {}, 0, &fenetre()));
        EXPECT_EQ(icone.toolTip(), c.bulle);
        icone.mouseDown(ns::Event::mouseEvent(ns::EventType::LeftMouseDown, {}, 0, &fenetre()));
        EXPECT_EQ(focus(), *c.champ != '\0' ? std::string(c.champ) : avant);
        OutilSelectionne = true;
        InterfaceSombre = false;
    }
}

// Every pictogram with the Table Tool current: each pixel is clear or a colour of its palette
// (light for the dialog's icons whatever the theme; the panel's by the theme), and it shows
// its highlight and its structure.
TEST_F(DialoguePrefs, EveryPictogramIsDrawnInItsPalette)
{
    struct Icone {
        const char* nom;
        int page; // -1: the dialog's
    };
    std::vector<Icone> icones;
    for (const char* nom : {"PREnbrLignesNSView", "PREnbrColonnesNSView", "PREepaisseurLignesNSView",
                            "PREepaisseurColonnesNSView", "PREgouttiereLignesNSView", "PREgouttiereColonnesNSView",
                            "PREepaisseurCadreNSView", "PREepaisseurCadreDeuxNSView", "PREgouttiereCadreNSView"})
        icones.push_back({nom, -1});
    for (int page = 0; page < 4; ++page)
        for (const char* nom : {"PANPosXNbrLigNbrColNSView", "PANEpaisseurLigColCadNSView",
                                "PANgouttiereLigColCadNSView", "PANHauteurCadreDeuxNSView"})
            if (!(std::string(nom) == "PANPosXNbrLigNbrColNSView" && page == 3) &&
                !(std::string(nom) == "PANHauteurCadreDeuxNSView" && (page == 1 || page == 2)))
                icones.push_back({nom, page});
    const uint32_t clair[] = {0xFF0000FF, 0xFF1A1A1A, 0xFF666666}, sombre[] = {0xFF1A99FF, 0xFFE6E6E6, 0xFF999999};
    for (const bool themeSombre : {false, true})
        for (const Icone& i : icones) {
            SCOPED_TRACE(std::string(i.nom) + " page " + std::to_string(i.page) + (themeSombre ? " dark" : " light"));
            IndexPopup = i.page < 0 ? 0 : i.page;
            InterfaceSombre = themeSombre;
            ns::View* icone = i.page < 0 ? ns::driver::findView(dialogue(), i.nom) : vue().viewWithIdentifier(i.nom);
            const uint32_t* palette = themeSombre && i.page >= 0 ? sombre : clair;
            bool accent = false, structure = false;
            for (int y = 0; y < 18; ++y)
                for (int x = 0; x < icone->frame().size.width; ++x) {
                    const uint32_t p = PixelDeLaVue(*icone, x, y);
                    accent = accent || Proche(p, palette[0]);
                    structure = structure || Proche(p, palette[1]);
                    // The arrowheads of the position and size pictograms are antialiased: their
                    // edges blend into what they cross.
                    const bool pointes = i.page == 0;
                    EXPECT_TRUE(p == 0 || pointes || Proche(p, palette[0]) || Proche(p, palette[1]) ||
                                Proche(p, palette[2]))
                        << std::hex << p << " at " << std::dec << x << "," << y;
                }
            EXPECT_TRUE(accent);
            EXPECT_TRUE(structure);
        }
    InterfaceSombre = false;
}

} // namespace
