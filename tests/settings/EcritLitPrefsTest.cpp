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
    EXPECT_EQ(std::make_tuple(SonDefaut, NombreDeLignesDefaut, EpaisseurCadreDefaut, CorpsDefaut, GrisLignes),
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
    EXPECT_EQ(std::tie(NombreDeLignesDefaut, NumeroPoliceDefaut, GrisColonnes), std::make_tuple(7, 1, 20.0));
    EXPECT_STREQ(NomPoliceDefaut, "Test Serif");
    // A key of another kind leaves the variable; a missing type size stays 0; a missing colour
    // component is 0, not the factory 50.
    EXPECT_EQ(std::tie(EpaisseurLignesDefaut, CorpsDefaut, GrisTexte, OutilsGroupe, KPOLICE), std::make_tuple(9.0, 0.0, 0.0, false, 0));

    stocke.erase("NumPolice");
    const Json sansNumero = {{kPrefixePrefs, stocke}};
    Demarre(&sansNumero);
    EXPECT_EQ(NumeroPoliceDefaut, 0) << "the first font of the host's list";
}

// A stored integer the plug-in did not write (edited by hand, damaged) is read as its factory
// value when it lies outside the bounds within which it can be used, and the plug-in says so.
TEST_F(Prefs, AStoredIntegerOutOfItsBoundsIsReadAsItsFactoryValue)
{
    const struct {
        const char* cle;
        int32_t stocke;
        const int32_t* variable;
        int32_t lu;
    } cas[] = {
        {"NombreLignes", std::numeric_limits<int32_t>::min(), &NombreDeLignesDefaut, 3},
        {"NombreLignes", 0, &NombreDeLignesDefaut, 3},
        {"NombreLignes", 1, &NombreDeLignesDefaut, 1},
        {"NombreLignes", kNombreMaxRangs, &NombreDeLignesDefaut, kNombreMaxRangs},
        {"NombreColonnes", kNombreMaxRangs + 1, &NombreDeColonnesDefaut, 4},
        {"NombreColonnes", -1, &NombreDeColonnesDefaut, 4},
        {"NumPolice", std::numeric_limits<int32_t>::max(), &NumeroPoliceDefaut, 0},
        {"NumPolice", -1, &NumeroPoliceDefaut, 0},
        {"VariablePolice", 1, &KPOLICE, 1},
        {"VariablePolice", std::numeric_limits<int32_t>::min(), &KPOLICE, 0},
        {"TypeCouleursCadre", 7, &TypeCouleurCadre, 0},
        {"TypeCouleursTexte", -1, &TypeCouleurTexte, 0},
        {"TypeCouleursLignes", 2, &TypeCouleurLignes, 2},
    };
    Demarre();
    const Json usine = Stocke();
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.cle) + " " + std::to_string(c.stocke));
        Json stocke = usine;
        stocke[c.cle] = {{"int", c.stocke}};
        const Json fichier = {{kPrefixePrefs, stocke}};
        testing::internal::CaptureStderr();
        Demarre(&fichier);
        const std::string dit = testing::internal::GetCapturedStderr();
        EXPECT_EQ(*c.variable, c.lu);
        EXPECT_EQ(dit.find(std::string("the stored \"") + c.cle + "\" (" + std::to_string(c.stocke) + ")") !=
                      std::string::npos,
                  c.lu != c.stocke)
            << dit;
    }
}

// So is a colour component outside its range: the art and the editor get a colour.
TEST_F(Prefs, AStoredColourComponentOutOfItsRangeIsReadAsItsFactoryValue)
{
    const struct {
        const char* cle;
        double stocke;
        const double* variable;
        double lu;
    } cas[] = {
        {"GrisCadre", 1e300, &GrisCadre, 50},
        {"GrisCadre", 100, &GrisCadre, 100},
        {"RougeLignes", 255.5, &RougeLignes, 255},
        {"VertTexte", -40, &VertTexte, 0},
        {"NoirColonnes", -0.001, &NoirColonnes, 0},
        {"BleuLignes", 0, &BleuLignes, 0},
        {"CyanTexte", 37.8, &CyanTexte, 37.8},
    };
    Demarre();
    const Json usine = Stocke();
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.cle) + " " + std::to_string(c.stocke));
        Json stocke = usine;
        stocke[c.cle] = {{"real", c.stocke}};
        const Json fichier = {{kPrefixePrefs, stocke}};
        testing::internal::CaptureStderr();
        Demarre(&fichier);
        const std::string dit = testing::internal::GetCapturedStderr();
        EXPECT_EQ(*c.variable, c.lu);
        EXPECT_EQ(dit.find(std::string("the stored \"") + c.cle + "\"") != std::string::npos, c.lu != c.stocke) << dit;
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
