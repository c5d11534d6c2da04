// The numbers of the fields: one reader (a comma or a point, a unit after a length, texts a
// field cannot take refused with the reason), one writer (two decimals at most, never an
// exponent, never "-0", the user's separator), and the step buttons of position and size in
// the unit the field shows, which never stick.
#include "ActionsChamps.h"
#include "FormatNombres.h"
#include "LectureNombres.h"
#include "Reglages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr double mm = kPointsParMillimetre;
constexpr double kRefuse = std::numeric_limits<double>::quiet_NaN();

TEST(Nombres, LengthFieldsReadANumberAndAnOptionalUnit)
{
    const struct {
        const char* texte;
        double points;      // what a length field (millimetres of its own) stores; kRefuse
        const char* refus;  // the start of the reason, when refused
    } cas[] = {
        {"25,4", 25.4 * mm, nullptr},
        {"25.4 mm", 25.4 * mm, nullptr},
        {"2 in", 144, nullptr},
        {"2in", 144, nullptr},
        {"2 IN", 144, nullptr},
        {" 1,5 Cm ", 15 * mm, nullptr},
        {"10 pt", 10, nullptr},
        {"3 pi", 36, nullptr},
        {"-12,5", -12.5 * mm, nullptr},
        {"+8.75 in", 630, nullptr},
        {",5", 0.5 * mm, nullptr},
        {"5.", 5 * mm, nullptr},
        {"1e3 mm", 1000 * mm, nullptr},
        {"1e-400", 0, nullptr},
        {"2 furlongs", kRefuse, "The unit of \"2 furlongs\" is unknown\r (mm, cm, in, pt or pi)."},
        {"2 mm mm", kRefuse, "The unit of"},
        {"1 mmin", kRefuse, "The unit of"},
        {"1,000,000", kRefuse, "The unit of"},
        {"abc", kRefuse, "\"abc\" is not a number."},
        {"", kRefuse, "\"\" is not a number."},
        {"nan", kRefuse, "\"nan\" is not a number."},
        {"-", kRefuse, "\"-\" is not a number."},
        {"1e999", kRefuse, "\"1e999\" is not a number."},
        {"1e307 in", kRefuse, "\"1e307 in\" is too large."},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string("\"") + c.texte + "\"");
        const Lecture lu = LitMesure(c.texte, kMillimetres);
        if (c.refus == nullptr) {
            ASSERT_TRUE(lu.valeur.has_value()) << lu.refus;
            EXPECT_DOUBLE_EQ(lu.points, c.points);
            EXPECT_DOUBLE_EQ(*lu.valeur, c.points / mm);
        } else {
            EXPECT_FALSE(lu.valeur.has_value());
            EXPECT_EQ(lu.refus.rfind(c.refus, 0), 0u) << lu.refus;
        }
    }
    // The same in a point field: its own unit is the point.
    EXPECT_EQ(*LitMesure("2,5", kPointsTypo).valeur, 2.5);
    EXPECT_EQ(*LitMesure("2 in", kPointsTypo).valeur, 144);
    EXPECT_DOUBLE_EQ(*LitMesure("1 mm", kPointsTypo).valeur, mm);
    // A long text is quoted cut short.
    EXPECT_EQ(LitMesure(std::string(100, 'x'), kPointsTypo).refus, "\"" + std::string(40, 'x') + "…\" is not a number.");
}

TEST(Nombres, CountsAndPlainFieldsReadTheirNumber)
{
    constexpr double kMax = std::numeric_limits<int32_t>::max();
    const struct {
        const char* texte;
        double compte; // kRefuse when the count field refuses it
        double simple; // a colour channel's reading
    } cas[] = {
        {"3", 3, 3},
        {"3.7", 3, 3.7},
        {"3,7", 3, 3.7},
        {"-5", -5, -5},
        {"1000000", 1000000, 1000000},
        {"1e+06", 1000000, 1000000},
        {"99999999999", kMax, 99999999999},
        {"-99999999999", std::numeric_limits<int32_t>::min(), -99999999999},
        {"37,8", 37, 37.8},
        {"3 rows", kRefuse, 3},
        {"abc", kRefuse, 0},
        {"nan", kRefuse, 0},
        {"", kRefuse, 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string("\"") + c.texte + "\"");
        const Lecture lu = LitCompte(c.texte);
        if (std::isnan(c.compte))
            EXPECT_FALSE(lu.valeur.has_value());
        else
            EXPECT_EQ(lu.valeur, c.compte);
        EXPECT_EQ(ValeurDuTexte(c.texte), c.simple);
    }
    ns::TextField zone;
    zone.setStringValue("1,25 pt");
    EXPECT_EQ(RecupereValeurDecimale(&zone), 1.25);
    EXPECT_EQ(RecupereValeurDecimale(nullptr), 0);
}

TEST(Nombres, EveryFieldWritesItsNumberTheSameWay)
{
    const struct {
        double valeur;
        char separateur;
        const char* nombre;      // two decimals at most
        const char* points;      // a value in points
        const char* millimetres; // a length in points, as millimetres
    } cas[] = {
        {3.2, '.', "3.2", "3.2 pt", "1.13 mm"},
        {10, '.', "10", "10 pt", "3.53 mm"},
        {0, '.', "0", "0 pt", "0 mm"},
        {0.004, '.', "0", "0 pt", "0 mm"},
        {-0.004, '.', "0", "0 pt", "0 mm"},
        {-0.0, '.', "0", "0 pt", "0 mm"},
        {72, '.', "72", "72 pt", "25.4 mm"},
        {144, '.', "144", "144 pt", "50.8 mm"},
        {1000000, '.', "1000000", "1000000 pt", "352777.77 mm"},
        {1500000 * mm, '.', "4251968.62", "4251968.62 pt", "1500000 mm"},
        {2.25, ',', "2,25", "2,25 pt", "0,79 mm"},
        {-1.5, ',', "-1,5", "-1,5 pt", "-0,53 mm"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.valeur);
        VirguleOuPoint = c.separateur;
        EXPECT_EQ(TexteNombre(c.valeur), c.nombre);
        EXPECT_EQ(TextePoints(c.valeur), c.points);
        EXPECT_EQ(TexteMillimetres(c.valeur), c.millimetres);
        // What is shown reads back to the value, to the digits shown.
        EXPECT_NEAR(*LitMesure(TextePoints(c.valeur), kPointsTypo).valeur, c.valeur, 0.005);
    }
    VirguleOuPoint = '.';
    EXPECT_EQ(TexteCompte(1000000), "1000000");
    // As long as the value needs: nothing is cut, and no exponent.
    const std::string grand = TexteNombre(1e300);
    EXPECT_EQ(grand.size(), 301u);
    EXPECT_EQ(grand.find('e'), std::string::npos);
    EXPECT_EQ(LitNombre(grand).valeur, 1e300);
}

TEST(Nombres, TheLengthStepButtonsStepInTheUnitTheFieldShows)
{
    const struct {
        const char* texte;
        int sens;
        bool majuscule;
        const char* attendu;
        double points;
    } cas[] = {
        {"12.3 mm", -1, false, "12 mm", 12 * mm},
        {"12.3 mm", 1, false, "13 mm", 13 * mm},
        {"12.3 mm", -1, true, "10 mm", 10 * mm},
        {"12.3 mm", 1, true, "15 mm", 15 * mm},
        {"50", -1, false, "49 mm", 49 * mm},
        {"50", -1, true, "45 mm", 45 * mm},
        {"1.25 cm", -1, false, "1.2 cm", 12 * mm},
        {"1.25 cm", 1, false, "1.3 cm", 13 * mm},
        {"1.25 in", 1, false, "1.3 in", 1.3 * 72},
        {"1.25 in", -1, false, "1.2 in", 1.2 * 72},
        {"10 pt", 1, true, "15 pt", 15},
        {"2 pi", -1, false, "1.9 pi", 1.9 * 12},
        {"10,5 mm", -1, false, "10 mm", 10 * mm},
        {"10.5 mm", -1, false, "10 mm", 10 * mm},
        {"0.5 mm", -1, false, "0 mm", 0},
        {"-0.5 mm", 1, false, "0 mm", 0},
        {"0 mm", -1, false, "-1 mm", -1 * mm},
        {"-3.5 mm", 1, false, "-3 mm", -3 * mm},
        {"-3.5 mm", -1, false, "-4 mm", -4 * mm},
        {"1499999 mm", 1, false, "1500000 mm", 1500000 * mm},
        // A text that holds no length steps from 0 in millimetres.
        {"abc", 1, false, "1 mm", 1 * mm},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.texte) + (c.sens < 0 ? " minus" : " plus") + (c.majuscule ? " shift" : ""));
        const PasLongueur pas = PasDeLongueur(c.texte, c.sens, c.majuscule);
        EXPECT_EQ(pas.texte, c.attendu);
        EXPECT_DOUBLE_EQ(pas.points, c.points);
    }
    VirguleOuPoint = ',';
    EXPECT_EQ(PasDeLongueur("1,25 cm", 1, false).texte, "1,3 cm");
    VirguleOuPoint = '.';
}

TEST(Nombres, StepsNeverStick)
{
    // From 1 down to 0 and from 0 up to 3, one tenth (or half) at a time, in every unit whose
    // step is a fraction, with and without Shift: k tenths read "k/10" or "k/10.k%10".
    const auto dixiemes = [](int k, const char* unite) {
        return std::to_string(k / 10) + (k % 10 != 0 ? "." + std::to_string(k % 10) : "") + " " + unite;
    };
    for (const char* unite : {"in", "cm", "pi"})
        for (const bool majuscule : {false, true}) {
            const int pas = majuscule ? 5 : 1;
            std::string texte = std::string("1 ") + unite;
            for (int k = 10 - pas; k >= 0; k -= pas) {
                texte = PasDeLongueur(texte, -1, majuscule).texte;
                ASSERT_EQ(texte, dixiemes(k, unite)) << (majuscule ? "shift" : "");
            }
            for (int k = pas; k <= 30; k += pas) {
                texte = PasDeLongueur(texte, 1, majuscule).texte;
                ASSERT_EQ(texte, dixiemes(k, unite)) << (majuscule ? "shift" : "");
            }
        }
    // The rule itself, on values a tenth does not hold exactly.
    EXPECT_EQ(PasMultiple(0.7, -1, 1), 0.6);
    EXPECT_EQ(PasMultiple(0.7, 1, 1), 0.8);
    EXPECT_EQ(PasMultiple(0.30000000000000004, 1, 1), 0.4);
    EXPECT_EQ(PasMultiple(0.75, 1, 1), 0.8);
    EXPECT_EQ(PasMultiple(0.75, -1, 1), 0.7);
    // Large values lose no step.
    EXPECT_EQ(PasMultiple(600000000.5, 1, 10), 600000001);
    EXPECT_EQ(PasMultiple(600000000.5, -1, 10), 600000000);
    // A step past the largest number there is makes no length.
    EXPECT_FALSE(std::isfinite(PasDeLongueur("1e308 pt", 1, true).points));
}

} // namespace
