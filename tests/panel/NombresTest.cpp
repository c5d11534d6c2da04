// The numbers of the panel's fields: read from a text (single precision, a comma or a point,
// no number or one single precision cannot hold as 0, whole numbers saturated to 32 bits),
// written back ("%.2f" trimmed, a unit, the user's separator), and stepped by the step
// buttons of position and size in the unit the field shows.
#include "ActionsChamps.h"
#include "FormatNombres.h"
#include "LectureNombres.h"
#include "Reglages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(Nombres, TextsReadAsTheirLeadingNumber)
{
    const struct {
        const char* texte;
        double decimale; // the decimal parse: parts read in single precision, added in double
        float flottante; // the single-precision reading
        int32_t entiere;
    } cas[] = {
        {"12,5 mm", 12.5, 12, 12},
        {"-3.25", -3.25, -3.25f, -3},
        {"7 pt", 7, 7, 7},
        {"abc", 0, 0, 0},
        {"12.3", 12.300000011920929, 12.3f, 12},
        {"25,4", 25.400000005960464, 25, 25},
        {"-12,5", -12.5, -12, -12},
        {"1,50", 1.5, 1, 1},
        {",5", 0.5, 0, 0},
        {"  +8.75 in", 8.75, 8.75f, 8},
        {"3.7", 3 + static_cast<double>(0.7f), 3.7f, 3},
        {"1e3 mm", 1000, 1000, 1},
        {"2e", 2, 2, 2},
        {"0x10", 0, 0, 0},
        // Texts holding no number single precision can hold.
        {"nan", 0, 0, 0},
        {"inf", 0, 0, 0},
        {"-infinity", 0, 0, 0},
        {"1e999", 0, 0, 1},
        {"1e39", 0, 0, 1},
        {"1e39,5", 0.5, 0, 1},
        // Whole numbers past 32 bits stop at the limit.
        {"99999999999", 99999997952, 99999997952.f, kMax},
        {"-99999999999 rows", -99999997952, -99999997952.f, kMin},
        {"2147483648", 2147483648, 2147483648.f, kMax},
        {"-2147483648", -2147483648, -2147483648.f, kMin},
        {"000000000000000000000000000042", 42, 42, 42},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(ValeurDecimale(c.texte), c.decimale) << c.texte;
        EXPECT_EQ(ValeurFlottante(c.texte), c.flottante) << c.texte;
        EXPECT_EQ(ValeurEntiere(c.texte), c.entiere) << c.texte;
    }
    ns::TextField zone;
    zone.setStringValue("1,25 pt");
    EXPECT_EQ(RecupereValeurDecimale(&zone), 1.25);
    EXPECT_EQ(RecupereValeurDecimale(nullptr), 0);
}

TEST(Nombres, ValuesAreWrittenWithTwoDecimalsAtMostAUnitAndTheSeparator)
{
    const struct {
        double valeur;
        char separateur;
        const char* points;      // the point formatter
        const char* millimetres; // a length in points, as the tool shows it
        const char* enMm;        // a commit's formatter: the value and its unit
    } cas[] = {
        {3.2, '.', "3.2 pt", "1.13 mm", "3.2 mm"},
        {10, '.', "10 pt", "3.53 mm", "10 mm"},
        {0, '.', "0 pt", "0 mm", "0 mm"},
        {0.004, '.', "0 pt", "0 mm", "0 mm"},
        {100.5, '.', "100.5 pt", "35.45 mm", "100.5 mm"},
        {72, '.', "72 pt", "25.4 mm", "72 mm"},
        {25.400000005960464, '.', "25.4 pt", "8.96 mm", "25.4 mm"},
        {2.25, ',', "2,25 pt", "0,79 mm", "2,25 mm"},
        {-1.5, ',', "-1,5 pt", "-0,53 mm", "-1,5 mm"},
    };
    for (const auto& c : cas) {
        VirguleOuPoint = c.separateur;
        EXPECT_EQ(TextePoints(c.valeur), c.points) << c.valeur;
        EXPECT_EQ(TexteMillimetres(c.valeur), c.millimetres) << c.valeur;
        EXPECT_EQ(TexteAvecUnite(c.valeur, " mm"), c.enMm) << c.valeur;
    }
    VirguleOuPoint = '.';
    // As long as the value needs: nothing is cut.
    const std::string grand = TextePoints(1e300);
    EXPECT_EQ(grand.size(), 301 + std::strlen(" pt"));
    EXPECT_EQ(std::strtod(grand.c_str(), nullptr), 1e300);
}

TEST(Nombres, TheLengthStepButtonsStepInTheUnitTheFieldShows)
{
    const double mm = kPointsParMillimetre;
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
        {"50", 1, true, "55 mm", 55 * mm},
        {"1.25 cm", -1, false, "1.2 cm", 1.2 * mm * 10},
        {"1.25 cm", 1, false, "1.3 cm", 1.3 * mm * 10},
        {"1.25 cm", 1, true, "1.5 cm", 1.5 * mm * 10},
        {"1.25 in", 1, false, "1.3 in", 1.3 * 72},
        {"1.25 in", -1, false, "1.2 in", 1.2 * 72},
        {"10 pt", 1, true, "15 pt", 15},
        {"10 pt", -1, false, "9 pt", 9},
        {"2 pi", -1, false, "1.9 pi", 1.9 * 12},
        // No limit either way; a step from nothing starts at 0.
        {"0 mm", -1, false, "-1 mm", -1 * mm},
        {"-3.5 mm", 1, false, "-3 mm", -3 * mm},
        {"-3.5 mm", -1, false, "-4 mm", -4 * mm},
        {"abc", 1, false, "1 mm", 1 * mm},
        {"1e39 mm", 1, false, "1 mm", 1 * mm},
        // "mm" comes before "in": "1 min" is millimetres.
        {"1 mmin", 1, false, "2 mm", 2 * mm},
    };
    for (const auto& c : cas) {
        const PasLongueur pas = PasDeLongueur(c.texte, c.sens, c.majuscule);
        EXPECT_EQ(pas.texte, c.attendu) << c.texte << " " << c.sens << (c.majuscule ? " shift" : "");
        EXPECT_DOUBLE_EQ(pas.points, c.points) << c.texte << " " << c.sens;
    }
    VirguleOuPoint = ',';
    EXPECT_EQ(PasDeLongueur("1.25 cm", 1, false).texte, "1,3 cm");
    VirguleOuPoint = '.';
}

} // namespace
