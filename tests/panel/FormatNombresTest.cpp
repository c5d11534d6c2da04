// The texts of the panel's point and millimetre fields.
#include "FormatNombres.h"
#include "Reglages.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatNombres, PointsAndMillimetresDropTrailingZerosAndTakeTheSeparator)
{
    const struct {
        double valeur;
        char separateur;
        const char* points;
        const char* millimetres;
    } cas[] = {
        {3.2, '.', "3.2 pt", "1.13 mm"},
        {10, '.', "10 pt", "3.53 mm"},
        {0, '.', "0 pt", "0 mm"},
        {0.004, '.', "0 pt", "0 mm"},
        {100.5, '.', "100.5 pt", "35.45 mm"},
        {72, '.', "72 pt", "25.4 mm"},
        {2.25, ',', "2,25 pt", "0,79 mm"},
        {-1.5, ',', "-1,5 pt", "-0,53 mm"},
    };
    for (const auto& c : cas) {
        VirguleOuPoint = c.separateur;
        EXPECT_EQ(TextePoints(c.valeur), c.points) << c.valeur;
        EXPECT_EQ(TexteMillimetres(c.valeur), c.millimetres) << c.valeur;
    }
    VirguleOuPoint = '.';
}

TEST(FormatNombres, NoFieldIsNoWrite)
{
    AffichePoints(nullptr, 1);
    AfficheMillimetres(nullptr, 1);
    ns::TextField zone;
    AffichePoints(&zone, 12);
    EXPECT_EQ(zone.stringValue(), "12 pt");
}

} // namespace
