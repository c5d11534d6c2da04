// The stored defaults, read and written through the host's real preference store.
#include "EcritLitPrefs.h"
#include "Host.h"
#include "JeuxDeCouleurs.h"
#include "Reglages.h"
#include "TestFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>
#include <functional>
#include <limits>
#include <tuple>

extern "C" ASErr PluginMain(const char* caller, const char* selector, void* message);

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

class Prefs : public testing::Test {
protected:
    // Starts a host on the store (holding `stored` when given), reads the preferences as at
    // start-up (after `avant`, which sets the variables as they are before the reading), and
    // quits.
    void Demarre(const Json* stored = nullptr, const std::function<void()>& avant = {})
    {
        if (stored != nullptr)
            std::ofstream(file_) << stored->dump();
        host::Host host(host::HostOptions{{}, file_, std::vector<std::string>{"Test Sans", "Test Serif"}, {}});
        host.plugins().addInProcess("VaroTable", PluginMain);
        host.launch();
        if (avant)
            avant();
        LitPrefs();
        host.quit();
    }
    Json Stocke() const { return Json::parse(testing_files::readFile(file_)).at(kPrefixePrefs); }

    testing_files::TestFolder folder_;
    const fs::path file_ = folder_ / "preferences.json";
};

// The factory set the first start writes is the first-launch script's to check, key by key;
// here, what the start reads back of it, and a set changed afterwards.
TEST_F(Prefs, AStoredSetIsReadWithTheRuleForEachMissingKey)
{
    Demarre();
    EXPECT_EQ(std::make_tuple(SonDefaut, NombreDeLignesDefaut, EpaisseurCadreDefaut, CorpsDefaut, JeuxCouleurs[ElementLignes].Gris),
              std::make_tuple(true, 3, 4.0, 12.0, 50.0));
    EXPECT_STREQ(NomPoliceDefaut, "Test Sans");

    Json stocke = Stocke();
    stocke["NombreLignes"] = {{"int", 7}};
    stocke["Police"] = {{"string", "Test Serif"}};
    stocke["NumPolice"] = {{"int", 1}};
    stocke["GrisColonnes"] = {{"real", 20}};
    stocke["EpaisseurLignes"] = {{"int", 2}}; // another kind: as if missing, the variable kept
    stocke.erase("Corps");
    stocke.erase("GrisTexte");
    stocke.erase("OutilsGroupe");
    stocke.erase("VariablePolice");
    const Json fichier = {{kPrefixePrefs, stocke}};

    Demarre(&fichier, [] {
        EpaisseurLignesDefaut = 9;
        CorpsDefaut = 0; // as at start-up
        OutilsGroupe = true;
        KPOLICE = 5;
    });
    EXPECT_EQ(std::tie(NombreDeLignesDefaut, NumeroPoliceDefaut, JeuxCouleurs[ElementColonnes].Gris), std::make_tuple(7, 1, 20.0));
    EXPECT_STREQ(NomPoliceDefaut, "Test Serif");
    // A key of another kind leaves the variable; a missing type size stays 0; a missing colour
    // component is 0, not the factory 50.
    EXPECT_EQ(std::tie(EpaisseurLignesDefaut, CorpsDefaut, JeuxCouleurs[ElementTexte].Gris, OutilsGroupe, KPOLICE), std::make_tuple(9.0, 0.0, 0.0, false, 0));

    stocke.erase("NumPolice");
    const Json sansNumero = {{kPrefixePrefs, stocke}};
    Demarre(&sansNumero);
    EXPECT_EQ(NumeroPoliceDefaut, 0) << "the first font of the host's list";
}

// A stored value the plug-in did not write (edited by hand, damaged) is read as its factory
// value when it lies outside the bounds within which it can be used, and the plug-in says so:
// a count, a font number, a colour type, a colour component (so that the art and the editor
// always get a colour).
TEST_F(Prefs, AStoredValueOutOfItsBoundsIsReadAsItsFactoryValue)
{
    constexpr double kPlusPetit = std::numeric_limits<int32_t>::min(), kPlusGrand = std::numeric_limits<int32_t>::max();
    const auto entier = [](const int32_t& v) { return [&v] { return static_cast<double>(v); }; };
    const auto reel = [](const double& v) { return [&v] { return v; }; };
    const struct {
        const char* cle;
        const char* genre; // "int" or "real"
        double stocke;
        std::function<double()> variable;
        double lu;
    } cas[] = {
        {"NombreLignes", "int", kPlusPetit, entier(NombreDeLignesDefaut), 3},
        {"NombreLignes", "int", 0, entier(NombreDeLignesDefaut), 3},
        {"NombreLignes", "int", 1, entier(NombreDeLignesDefaut), 1},
        {"NombreLignes", "int", kNombreMaxRangs, entier(NombreDeLignesDefaut), kNombreMaxRangs},
        {"NombreColonnes", "int", kNombreMaxRangs + 1, entier(NombreDeColonnesDefaut), 4},
        {"NombreColonnes", "int", -1, entier(NombreDeColonnesDefaut), 4},
        {"NumPolice", "int", kPlusGrand, entier(NumeroPoliceDefaut), 0},
        {"NumPolice", "int", -1, entier(NumeroPoliceDefaut), 0},
        {"VariablePolice", "int", 1, entier(KPOLICE), 1},
        {"VariablePolice", "int", kPlusPetit, entier(KPOLICE), 0},
        {"TypeCouleursCadre", "int", 7, entier(JeuxCouleurs[ElementCadre].TypeCouleur), 0},
        {"TypeCouleursTexte", "int", -1, entier(JeuxCouleurs[ElementTexte].TypeCouleur), 0},
        {"TypeCouleursLignes", "int", 2, entier(JeuxCouleurs[ElementLignes].TypeCouleur), 2},
        {"GrisCadre", "real", 1e300, reel(JeuxCouleurs[ElementCadre].Gris), 50},
        {"GrisCadre", "real", 100, reel(JeuxCouleurs[ElementCadre].Gris), 100},
        {"RougeLignes", "real", 255.5, reel(JeuxCouleurs[ElementLignes].Rouge), 255},
        {"VertTexte", "real", -40, reel(JeuxCouleurs[ElementTexte].Vert), 0},
        {"NoirColonnes", "real", -0.001, reel(JeuxCouleurs[ElementColonnes].Noir), 0},
        {"BleuLignes", "real", 0, reel(JeuxCouleurs[ElementLignes].Bleu), 0},
        {"CyanTexte", "real", 37.8, reel(JeuxCouleurs[ElementTexte].Cyan), 37.8},
        {"Corps", "real", 0, reel(CorpsDefaut), 12},
        {"Corps", "real", 1e39, reel(CorpsDefaut), 12},
        {"Corps", "real", 9.5, reel(CorpsDefaut), 9.5},
    };
    Demarre();
    const Json usine = Stocke();
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.cle) + " " + std::to_string(c.stocke));
        Json stocke = usine;
        if (std::string(c.genre) == "int")
            stocke[c.cle] = {{"int", static_cast<int32_t>(c.stocke)}};
        else
            stocke[c.cle] = {{"real", c.stocke}};
        const Json fichier = {{kPrefixePrefs, stocke}};
        testing::internal::CaptureStderr();
        Demarre(&fichier);
        const std::string dit = testing::internal::GetCapturedStderr();
        EXPECT_EQ(c.variable(), c.lu);
        EXPECT_EQ(dit.find(std::string("the stored \"") + c.cle + "\" (") != std::string::npos, c.lu != c.stocke) << dit;
    }
}

TEST(CopieNomPolice, ALongNameIsCutBeforeACharacterThatDoesNotFit)
{
    const struct {
        std::string nom;
        size_t longueur;
    } cas[] = {
        {"DejaVu Sans", 11},
        {std::string(255, 'a'), 255},
        {std::string(300, 'a'), 255},
        {std::string(254, 'a') + "\xC3\xA9", 254},           // a 2-byte character across the end
        {std::string(253, 'a') + "\xC3\xA9", 255},           // just fits
        {std::string(253, 'a') + "\xF0\x9F\x93\x8A", 253},   // a 4-byte one
    };
    for (const auto& c : cas) {
        char nom[kLongueurNomPolice];
        std::memset(nom, 'x', sizeof nom);
        CopieNomPolice(nom, c.nom.c_str());
        EXPECT_EQ(std::strlen(nom), c.longueur) << c.nom.size();
        EXPECT_EQ(std::string(nom), c.nom.substr(0, c.longueur));
    }
}

} // namespace
