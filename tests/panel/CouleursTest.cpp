// The colour editor driven as a user drives it: each way of changing a channel (its field,
// its slider, the arrows) stores the value in the element's set, its path style and the
// preference store, and asks for one rebuild; the type switches without losing values; the
// tracks and the swatch draw the element's colours.
#include "PanneauHote.h"

#include "CMJNenRVB.h"
#include "JeuxDeCouleurs.h"
#include "Prises.h"
#include "Reglages.h"

#include "KeyboardEvents.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

TEST(CMJNenRVB, EachInkDarkensItsComponentAndNothingIsClamped)
{
    const struct {
        float c, m, y, k;
        RVB16 attendu;
    } cas[] = {
        {0, 0, 0, 0, {65535, 65535, 65535}},
        {1, 0, 0, 0.5f, {0, 32767.5f, 32767.5f}},
        {0, 1, 0.25f, 0, {65535, 0, 49151.25f}},
        {0.2f, 0.4f, 0.6f, 1, {0, 0, 0}},
        {0, 0, 0, 2, {-65535, -65535, -65535}},
        {-1, 0, 0, 0, {131070, 65535, 65535}},
    };
    for (const auto& c : cas) {
        const RVB16 rvb = CMJNenRVB(c.c, c.m, c.y, c.k);
        EXPECT_FLOAT_EQ(rvb.rouge, c.attendu.rouge) << c.c << " " << c.k;
        EXPECT_FLOAT_EQ(rvb.vert, c.attendu.vert) << c.m << " " << c.k;
        EXPECT_FLOAT_EQ(rvb.bleu, c.attendu.bleu) << c.y << " " << c.k;
    }
}

class EditeurCouleurs : public PanneauHote {
protected:
    void SetUp() override
    {
        lance({{"Son", false}});
        choisitOutil("Table Tool");
        ns::takePostedEvents();
    }
    double stocke(const std::string& cle)
    {
        const host::PreferenceValue* valeur = host_.preferences().find("VaroTableau", cle);
        return valeur != nullptr && std::holds_alternative<double>(*valeur) ? std::get<double>(*valeur) : NAN;
    }
    // The page with its element in that type, as the type pop-up sets it.
    void page(int page, int32_t type)
    {
        choisit("PANpopupPosLigColCad", page);
        choisit("COUpopUpTypeCouleur", type);
    }
};

TEST_F(EditeurCouleurs, EachWayOfChangingAChannelStoresItWhereverItBelongs)
{
    enum Facon { Valide, Glisse, Fleche };
    const struct {
        int page;
        int32_t type;
        Facon facon;
        const char* controle;
        const char* texte; // typed, or the slider's position
        int canal;         // its row of kCanaux
        const char* cle;
        double valeur; // stored
        const char* affiche;
        double glissiere;
    } cas[] = {
        {1, TypeRVB, Valide, "COUzoneBleu", "255", 3, "BleuLignes", 255, "255", 255},
        {4, TypeCMJN, Glisse, "COUglisNoir", "37.8", 7, "NoirTexte", 37, "37", 37},
        {3, TypeCMJN, Valide, "COUzoneCyan", "37.8", 4, "CyanCadre", 37.8, "37.8", 37.8},
        {3, TypeCMJN, Valide, "COUzoneCyan", "37,8", 4, "CyanCadre", 37.8, "37.8", 37.8},
        {1, TypeRVB, Valide, "COUzoneVert", "12.345", 2, "VertLignes", 12.345, "12.35", 12.345},
        // Within the channel's range, as the store takes it back at the next launch.
        {1, TypeRVB, Valide, "COUzoneRouge", "300", 1, "RougeLignes", 255, "255", 255},
        {1, TypeRVB, Valide, "COUzoneVert", "-40", 2, "VertLignes", 0, "0", 0},
        {1, TypeRVB, Valide, "COUzoneBleu", "1e30", 3, "BleuLignes", 255, "255", 255},
        {2, TypeGris, Valide, "COUzoneGris", "nan", 0, "GrisColonnes", 0, "0", 0},
        {2, TypeGris, Valide, "COUzoneGris", "1e999", 0, "GrisColonnes", 0, "0", 0},
        {2, TypeGris, Valide, "COUzoneGris", "-inf", 0, "GrisColonnes", 0, "0", 0},
        {4, TypeRVB, Fleche, "COUzoneVert", "7", 2, "VertTexte", 8, "8", 8},
        {4, TypeRVB, Fleche, "COUzoneVert", "7,5", 2, "VertTexte", 9, "9", 9},
        {4, TypeCMJN, Fleche, "COUzoneNoir", "-5", 7, "NoirTexte", 0, "0", 0},
    };
    const char* zones[] = {"COUzoneGris", "COUzoneRouge", "COUzoneVert", "COUzoneBleu",
                           "COUzoneCyan", "COUzoneMagenta", "COUzoneJaune", "COUzoneNoir"};
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.controle) + " " + c.texte);
        page(c.page, c.type);
        JeuxCouleurs[c.page - 1].*kCanaux[c.canal].champ = 42;
        host_.deliverPendingEvents();
        const AIPathStyle styles[] = {StyleLignes, StyleColonnes, StyleCadre};
        if (c.facon == Glisse) {
            ASSERT_EQ(ns::driver::slide(fenetre(), c.controle, std::stod(c.texte)), "");
        } else {
            ASSERT_EQ(ns::driver::type(fenetre(), c.controle, c.texte), "");
            ASSERT_EQ(ns::driver::key(fenetre(), c.facon == Valide ? "Return" : "Up"), "");
        }
        const JeuCouleurs& jeu = JeuxCouleurs[c.page - 1];
        EXPECT_EQ(jeu.*kCanaux[c.canal].champ, c.valeur);
        EXPECT_EQ(stocke(c.cle), c.valeur);
        EXPECT_EQ(controle(zones[c.canal])->stringValue(), c.affiche);
        EXPECT_EQ(controle<ns::Slider>(std::string("COUglis") + kCanaux[c.canal].nom)->doubleValue(), c.glissiere);
        EXPECT_EQ(host_.deliverPendingEvents(), 1u) << "one rebuild asked for";
        // The element's path style takes its colour; the text has none, and no style changes.
        const AIPathStyle* apres[] = {&StyleLignes, &StyleColonnes, &StyleCadre};
        for (int e = 0; e < 3; ++e) {
            AIColor attendu = styles[e].stroke.color;
            if (e == c.page - 1) {
                ASSERT_TRUE(CouleurDuJeu(jeu, attendu));
            }
            EXPECT_EQ(std::memcmp(&apres[e]->stroke.color, &attendu, sizeof attendu), 0) << "style " << e;
        }
    }
    EXPECT_EQ(StyleLignes.stroke.color.kind, kThreeColor);
    EXPECT_FLOAT_EQ(StyleLignes.stroke.color.c.rgb.blue, 1);
}

TEST_F(EditeurCouleurs, ALetterClickedWithTheToolFocusesItsRowsField)
{
    const struct {
        int page;
        int32_t type;
        bool outil;
        const char* label;
        const char* focus; // without the tool, the button itself takes the click, no field
    } cas[] = {
        {1, TypeCMJN, true, "COUlabelN", "COUzoneNoir"},
        {1, TypeCMJN, true, "COUlabelVM", "COUzoneMagenta"},
        {2, TypeRVB, true, "COUlabelBJ", "COUzoneBleu"},
        {4, TypeRVB, true, "COUlabelVM", "COUzoneVert"},
        {3, TypeGris, true, "COUlabelGRC", "COUzoneGris"},
        {1, TypeCMJN, false, "COUlabelN", "COUlabelN"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.label) + " page " + std::to_string(c.page));
        page(c.page, c.type);
        OutilSelectionne = c.outil;
        clique(c.label);
        EXPECT_EQ(focus(), c.focus);
        OutilSelectionne = true;
    }
}

TEST_F(EditeurCouleurs, SwitchingTheTypeKeepsEveryValueAndStoresTheType)
{
    page(1, TypeRVB);
    valide("COUzoneVert", "12");
    page(1, TypeCMJN);
    valide("COUzoneJaune", "34");
    page(1, TypeRVB);
    EXPECT_EQ(COUzoneVert()->stringValue(), "12");
    EXPECT_EQ(JeuxCouleurs[ElementLignes].Jaune, 34);
    EXPECT_EQ(focus(), "COUzoneRouge");
    const host::PreferenceValue* type = host_.preferences().find("VaroTableau", "TypeCouleursLignes");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(*type, host::PreferenceValue(ai_int32{TypeRVB}));
    page(2, TypeCMJN);
    EXPECT_EQ(JeuxCouleurs[ElementLignes].TypeCouleur, TypeRVB) << "each element its own type";
}


constexpr uint32_t kBlanc = 0xFFFFFFFF, kNoir = 0xFF000000, kRouge = 0xFFFF0000, kJaune = 0xFFFFFF00;

TEST_F(EditeurCouleurs, TheTracksPaintTheColoursAlongTheirSlider)
{
    const struct {
        int page;
        JeuCouleurs jeu;
        bool cadre, outil;
        const char* piste;
        int pas; // 0 to 57
        uint32_t attendu;
    } cas[] = {
        {1, {TypeGris, 30, 0, 0, 0, 0, 0, 0, 0}, true, true, "COUinterieurGlisGris", 0, kBlanc},
        {1, {TypeGris, 30, 0, 0, 0, 0, 0, 0, 0}, true, true, "COUinterieurGlisGris", 57, kNoir},
        {2, {TypeRVB, 0, 9, 255, 0, 0, 0, 0, 0}, true, true, "COUinterieurGlisRouge", 0, 0xFF00FF00},
        {2, {TypeRVB, 0, 9, 255, 0, 0, 0, 0, 0}, true, true, "COUinterieurGlisRouge", 57, kJaune},
        {4, {TypeCMJN, 0, 0, 0, 0, 0, 0, 0, 100}, true, true, "COUinterieurGlisCyan", 0, kNoir},
        {4, {TypeCMJN, 0, 0, 0, 0, 0, 0, 0, 100}, true, true, "COUinterieurGlisCyan", 40, kNoir},
        {3, {TypeCMJN, 0, 0, 0, 0, 0, 0, 100, 0}, true, true, "COUinterieurGlisNoir", 0, kJaune},
        {3, {TypeCMJN, 0, 0, 0, 0, 0, 0, 100, 0}, false, true, "COUinterieurGlisNoir", 0, 0},
        {1, {TypeRVB, 0, 0, 0, 0, 0, 0, 0, 0}, true, true, "COUinterieurGlisGris", 0, 0},
        {2, {TypeGris, 0, 0, 0, 0, 0, 0, 0, 0}, true, false, "COUinterieurGlisGris", 57, 0x80000000},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.piste) + " step " + std::to_string(c.pas) + " page " + std::to_string(c.page));
        IndexPopup = c.page;
        JeuxCouleurs[c.page - 1] = c.jeu;
        AvecSansCadre = c.cadre;
        OutilSelectionne = c.outil;
        const int x = static_cast<int>(9 + (c.pas + 0.5) * 164 / 58);
        const uint32_t pixel = PixelDeLaVue(*vue().viewWithIdentifier(c.piste), x, 3);
        EXPECT_NEAR(pixel >> 24, c.attendu >> 24, 1) << "alpha 1, or 0.5 without the tool";
        EXPECT_EQ(pixel & 0xFFFFFF, c.attendu & 0xFFFFFF);
        EXPECT_EQ(PixelDeLaVue(*vue().viewWithIdentifier(c.piste), x, 7), 0u) << "4 points high";
    }
}

// The knob's pointer tip (two columns, 10 points from the bottom) stands over the track's
// first step at the slider's minimum and over its last at the maximum; the thin frame of the
// bar goes round the track.
TEST_F(EditeurCouleurs, TheSliderFramesTheTrackAndItsKnobPointsAtTheValue)
{
    page(1, TypeGris);
    auto& glissiere = *controle<ns::Slider>("COUglisGris");
    constexpr uint32_t kContour = 0xFF404040, kCadre = 0xFF666666;
    for (const auto& [valeur, pointe] : {std::pair{0.0, 10}, {100.0, 174}, {50.0, 92}}) {
        SCOPED_TRACE(valeur);
        glissiere.setDoubleValue(valeur);
        EXPECT_EQ(PixelDeLaVue(glissiere, pointe, 10), kContour);
        EXPECT_EQ(PixelDeLaVue(glissiere, pointe + 1, 10), kContour);
        EXPECT_EQ(PixelDeLaVue(glissiere, pointe - 1, 10), 0u);
        EXPECT_EQ(PixelDeLaVue(glissiere, pointe + 2, 10), 0u);
    }
    // The frame's long sides above and below the track (a piste pixel row 2 to 5 in the panel
    // is 15 to 18 in the slider), from x 11 to 175.
    glissiere.setDoubleValue(0);
    const auto cadre = [&](int x, int y0, int y1) {
        bool trouve = false;
        for (int y = y0; y <= y1; ++y)
            trouve = trouve || PixelDeLaVue(glissiere, x, y) == kCadre;
        return trouve;
    };
    for (const int x : {40, 120, 170}) {
        EXPECT_TRUE(cadre(x, 18, 19)) << x << ": the upper side";
        EXPECT_TRUE(cadre(x, 13, 14)) << x << ": the lower side";
        EXPECT_FALSE(cadre(x, 0, 12)) << x;
    }
    EXPECT_FALSE(cadre(5, 0, 20)) << "nothing left of the track";
}

TEST_F(EditeurCouleurs, TheSwatchDrawsRowsColumnsAndFrameInTheirColours)
{
    JeuxCouleurs[ElementLignes] = {TypeGris, 100, 0, 0, 0, 0, 0, 0, 0};
    JeuxCouleurs[ElementColonnes] = {TypeRVB, 0, 255, 0, 0, 0, 0, 0, 0};
    JeuxCouleurs[ElementCadre] = {TypeCMJN, 0, 0, 0, 0, 0, 0, 100, 0};
    OutilSelectionne = false; // the swatch is never dimmed
    const struct {
        bool cadre;
        double gouttiere;
        uint32_t finLigne, finColonne, cadreExterieur;
        bool cadreInterieur;
    } cas[] = {
        {true, 0, kNoir, kRouge, kJaune, false},
        {true, 3.2, 0, 0, kJaune, true},
        {false, 3.2, 0, 0, 0, false},
        {false, 0, kNoir, kRouge, 0, false},
    };
    ns::View& pastille = *vue().viewWithIdentifier("PANdessinCouleursNSView");
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.cadre ? "frame" : "no frame") + " gutter " + std::to_string(c.gouttiere));
        AvecSansCadre = c.cadre;
        GouttiereCadre = c.gouttiere;
        EXPECT_EQ(PixelDeLaVue(pastille, 15, 13), kNoir) << "a row rule";
        EXPECT_EQ(PixelDeLaVue(pastille, 11, 10), kRouge) << "a column rule, over the rows";
        EXPECT_EQ(PixelDeLaVue(pastille, 27, 13), c.finLigne) << "a row's end: 2 points shorter in a double frame";
        EXPECT_EQ(PixelDeLaVue(pastille, 11, 18), c.finColonne) << "a column's end";
        EXPECT_EQ(PixelDeLaVue(pastille, 29, 10), c.cadreExterieur);
        EXPECT_EQ(PixelDeLaVue(pastille, 15, 2) == kJaune || PixelDeLaVue(pastille, 15, 3) == kJaune, c.cadreInterieur);
    }
}

} // namespace
