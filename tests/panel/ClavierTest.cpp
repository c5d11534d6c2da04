// The panel's keyboard: Tab and Shift-Tab go round each page's cycle as the page, its switches
// and its element's colour type make it; the arrows step the focused field, clamp it in the
// step's direction, store it and show what is stored, and ask for one rebuild.
#include "PanneauHote.h"

#include "FormatNombres.h"
#include "JeuxDeCouleurs.h"
#include "Prises.h"
#include "Reglages.h"

#include "KeyboardEvents.h"

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

class Clavier : public PanneauHote {
protected:
    void SetUp() override
    {
        lance({{"Son", false}});
        choisitOutil("Table Tool");
        ns::takePostedEvents();
    }
    std::string apres(const char* champ, const char* touche, uint32_t modificateurs)
    {
        static_cast<ns::TextField*>(controle(champ))->selectText(nullptr);
        EXPECT_EQ(ns::driver::key(fenetre(), touche, modificateurs), "");
        return focus();
    }
};

TEST_F(Clavier, TabGoesRoundThePagesCycle)
{
    const struct {
        int page;
        int32_t type;
        bool titre, texte;
        double gouttiereCadre;
        std::vector<const char*> cycle; // in Tab's order
        bool boucle;
        std::vector<const char*> hors; // fields Tab leaves where they are
    } cas[] = {
        {0, TypeGris, true, true, 0, {"PANzonePositionX", "PANzonePositionY", "PANzoneLongueurTableau", "PANzoneHauteurTableau"}, true, {}},
        {1, TypeRVB, true, true, 0, {"PANzoneNbrLignes", "PANzoneEpaisseurLignes", "PANzoneGouttiereLigne", "COUzoneRouge", "COUzoneVert", "COUzoneBleu"}, true, {}},
        {2, TypeGris, true, true, 0, {"PANzoneNbrColonnes", "PANzoneEpaisseurColonnes", "PANzoneGouttiereColonne", "COUzoneGris"}, true, {}},
        {3, TypeCMJN, true, true, 0, {"PANzoneEpaisseurCadre", "PANzoneGouttiereCadre", "COUzoneCyan", "COUzoneMagenta", "COUzoneJaune", "COUzoneNoir"}, true, {}},
        {3, TypeGris, true, true, 3.2, {"PANzoneEpaisseurCadre", "PANzoneEpaisseurCadreDeux", "PANzoneGouttiereCadre", "COUzoneGris"}, true, {}},
        // A gutter below 0 keeps the inner thickness disabled: Tab passes over it.
        {3, TypeGris, true, true, -2, {"PANzoneEpaisseurCadre", "PANzoneGouttiereCadre", "COUzoneGris"}, true, {}},
        {4, TypeCMJN, false, true, 0, {"PANnomTexte", "PANzoneCorps", "COUzoneCyan", "COUzoneMagenta", "COUzoneJaune", "COUzoneNoir"}, true, {}},
        {4, TypeRVB, true, false, 0, {"PANnomTitre", "PANzoneCorps", "COUzoneRouge", "COUzoneVert", "COUzoneBleu"}, true, {}},
        {4, TypeCMJN, false, false, 0, {"COUzoneCyan", "COUzoneMagenta", "COUzoneJaune", "COUzoneNoir"}, true, {}},
        {4, TypeGris, false, false, 0, {}, true, {"COUzoneGris"}},
        {1, 7, true, true, 0, {"PANzoneNbrLignes", "PANzoneEpaisseurLignes", "PANzoneGouttiereLigne"}, false, {}},
        {4, -1, true, true, 0, {}, true, {"PANnomTitre", "PANnomTexte", "PANzoneCorps"}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE("page " + std::to_string(c.page) + " type " + std::to_string(c.type) + " title " +
                     std::to_string(c.titre) + " text " + std::to_string(c.texte));
        AvecSansTitre = c.titre;
        AvecSansTexte = c.texte;
        GouttiereCadre = c.gouttiereCadre;
        if (c.page > 0)
            JeuxCouleurs[c.page - 1].TypeCouleur = c.type;
        choisit("PANpopupPosLigColCad", c.page);
        const auto n = c.cycle.size();
        for (size_t i = 0; i < n; ++i) {
            const bool dernier = i + 1 == n, premier = i == 0;
            EXPECT_EQ(apres(c.cycle[i], "Tab", 0), c.cycle[dernier ? (c.boucle ? 0 : i) : i + 1]) << "Tab from " << c.cycle[i];
            EXPECT_EQ(apres(c.cycle[i], "Tab", ns::ShiftKeyMask), c.cycle[premier ? (c.boucle ? n - 1 : 0) : i - 1])
                << "Shift-Tab from " << c.cycle[i];
        }
        for (const char* champ : c.hors)
            for (const uint32_t shift : {0u, uint32_t{ns::ShiftKeyMask}})
                EXPECT_EQ(apres(champ, "Tab", shift), champ) << champ;
        JeuxCouleurs[c.page > 0 ? c.page - 1 : 0].TypeCouleur = TypeGris;
    }
}

TEST_F(Clavier, TheArrowsStepClampAndWriteTheValue)
{
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    const struct {
        int page;
        const char* champ;
        const char* texte;
        const char* touche;
        bool shift;
        const char* attendu;
        std::function<double()> reglage;
        double valeur;
    } cas[] = {
        {1, "PANzoneEpaisseurLignes", "1,25 pt", "Up", false, "1.4 pt", [] { return EpaisseurLignes; }, 1.4},
        {1, "PANzoneEpaisseurLignes", "1,25 pt", "Up", true, "2 pt", [] { return EpaisseurLignes; }, 2},
        {3, "PANzoneGouttiereCadre", "0.05 pt", "Down", false, "0 pt", [] { return GouttiereCadre; }, 0},
        {4, "PANzoneCorps", "0.1 pt", "Down", false, "0.1 pt", [] { return Corps; }, 0.1},
        {4, "PANzoneCorps", "7.34 pt", "Down", true, "6 pt", [] { return Corps; }, 6},
        {1, "PANzoneNbrLignes", "3", "Down", true, "2", [] { return NombreDeLignes; }, 2},
        {1, "PANzoneNbrLignes", "2", "Down", true, "1", [] { return NombreDeLignes; }, 1},
        // A text that holds no number steps from the value stored.
        {2, "PANzoneNbrColonnes", "5", "Up", false, "6", [] { return NombreDeColonnes; }, 6},
        {2, "PANzoneNbrColonnes", "none", "Down", false, "5", [] { return NombreDeColonnes; }, 5},
        {2, "PANzoneNbrColonnes", "999999", "Up", false, "1000000", [] { return NombreDeColonnes; }, 1e6},
        {2, "PANzoneNbrColonnes", "3e9", "Up", false, "2147483647", [] { return NombreDeColonnes; }, kMax},
        {0, "PANzonePositionX", "12.6 mm", "Up", false, "14 mm", [] { return PositionX; }, 14 * kPointsParMillimetre},
        {0, "PANzonePositionX", "1499999 mm", "Up", false, "1500000 mm", [] { return PositionX; }, 1500000 * kPointsParMillimetre},
        // In the unit shown, with its step buttons' steps.
        {0, "PANzonePositionX", "2 in", "Up", false, "2.1 in", [] { return PositionX; }, 2.1 * 72},
        {0, "PANzonePositionX", "0,7 in", "Down", false, "0.6 in", [] { return PositionX; }, 0.6 * 72},
        {0, "PANzonePositionX", "2 furlongs", "Up", false, "16 mm", [] { return PositionX; }, 16 * kPointsParMillimetre},
        {1, "PANzoneEpaisseurLignes", "2 mm", "Up", false, "5.8 pt", [] { return EpaisseurLignes; }, 5.8},
        {0, "PANzoneHauteurTableau", "12.6 mm", "Down", true, "10 mm", [] { return HauteurTableau; }, 10 * kPointsParMillimetre},
        // A channel stays within its range, as the store takes it back at the next launch.
        {1, "COUzoneRouge", "300", "Down", false, "255", [] { return JeuxCouleurs[ElementLignes].Rouge; }, 255},
        {1, "COUzoneRouge", "300", "Up", false, "255", [] { return JeuxCouleurs[ElementLignes].Rouge; }, 255},
        {1, "COUzoneRouge", "-5", "Up", false, "0", [] { return JeuxCouleurs[ElementLignes].Rouge; }, 0},
        {3, "COUzoneNoir", "95", "Up", true, "100", [] { return JeuxCouleurs[ElementCadre].Noir; }, 100},
        {2, "COUzoneGris", "inf", "Up", false, "1", [] { return JeuxCouleurs[ElementColonnes].Gris; }, 1},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.champ) + " \"" + c.texte + "\" " + c.touche + (c.shift ? " with Shift" : ""));
        if (c.page > 0)
            JeuxCouleurs[c.page - 1].TypeCouleur = c.champ == std::string("COUzoneRouge") ? TypeRVB
                                                   : c.champ == std::string("COUzoneNoir") ? TypeCMJN
                                                                                           : TypeGris;
        choisit("PANpopupPosLigColCad", c.page);
        host_.deliverPendingEvents();
        ASSERT_EQ(ns::driver::type(fenetre(), c.champ, c.texte), "");
        ASSERT_EQ(ns::driver::key(fenetre(), c.touche, c.shift ? uint32_t{ns::ShiftKeyMask} : 0u), "");
        EXPECT_EQ(controle(c.champ)->stringValue(), c.attendu);
        EXPECT_DOUBLE_EQ(c.reglage(), c.valeur);
        EXPECT_EQ(host_.deliverPendingEvents(), 1u) << "one rebuild asked for";
    }

    // In the user's separator; the title and the cell text take the arrows and do nothing.
    VirguleOuPoint = ',';
    choisit("PANpopupPosLigColCad", 1);
    valide("PANzoneEpaisseurLignes", "0.24");
    host_.deliverPendingEvents();
    ASSERT_EQ(ns::driver::key(fenetre(), "Up"), "");
    EXPECT_EQ(PANzoneEpaisseurLignes()->stringValue(), "0,3 pt");
    choisit("PANpopupPosLigColCad", 4);
    host_.deliverPendingEvents();
    ASSERT_EQ(ns::driver::type(fenetre(), "PANnomTitre", "12"), "");
    ASSERT_EQ(ns::driver::key(fenetre(), "Up"), "");
    EXPECT_EQ(PANnomTitre()->stringValue(), "12");
    EXPECT_EQ(host_.deliverPendingEvents(), 0u);
}

} // namespace
