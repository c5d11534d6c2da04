// Bands cut where each takes as long as the others, learnt from the times of the pictures
// before, whatever the art's spread over the rows; and times that do not fit teach nothing.
#include "BandBalance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

using host::render::BandBalance;
using host::render::BandRows;
using host::render::BandTimes;
using host::render::equalBands;

// What a picture costs: each row, and each band whatever its rows (the walk through the
// document that every band makes).
struct Page {
    std::vector<double> perRow;
    double perBand = 0;

    BandTimes draw(const BandRows& rows) const
    {
        BandTimes times{rows, {}};
        for (size_t band = 0; band + 1 < rows.size(); ++band) {
            double seconds = perBand;
            for (int row = rows[band]; row < rows[band + 1]; ++row)
                seconds += perRow[static_cast<size_t>(row)];
            times.seconds.push_back(seconds);
        }
        return times;
    }
};

Page pageOf(int height, double perBand, const std::function<double(int)>& rowCost)
{
    Page page{{}, perBand};
    for (int row = 0; row < height; ++row)
        page.perRow.push_back(rowCost(row));
    return page;
}

TEST(BandBalance, AfterAFewPicturesEachBandTakesAsLongAsTheOthers)
{
    constexpr int kHeight = 942;
    struct Case {
        std::string what;
        Page page;
        int bands;
    };
    const std::vector<Case> cases = {
        // The window's table: most of it on the upper half of the page.
        {"a table high on the page", pageOf(kHeight, 2e-3, [](int r) { return r > 100 && r < 560 ? 2e-5 : 1e-6; }),
         2},
        {"a table in the middle, four bands",
         pageOf(kHeight, 1e-3, [](int r) { return r > 300 && r < 700 ? 3e-5 : 0.0; }), 4},
        {"art spread evenly", pageOf(kHeight, 1e-3, [](int) { return 1e-5; }), 2},
        {"all of it in the last rows", pageOf(kHeight, 1e-4, [](int r) { return r >= kHeight - 20 ? 1e-3 : 0.0; }),
         2},
        {"three bands, more art down the page", pageOf(kHeight, 5e-4, [](int r) { return 1e-8 * r; }), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BandBalance balance;
        BandTimes drawn = c.page.draw(balance.rows(kHeight, c.bands));
        const double equal = *std::max_element(drawn.seconds.begin(), drawn.seconds.end());
        for (int picture = 0; picture < 12; ++picture) {
            balance.measured(drawn);
            drawn = c.page.draw(balance.rows(kHeight, c.bands));
            ASSERT_EQ(drawn.rows.size(), static_cast<size_t>(c.bands) + 1);
            EXPECT_EQ(drawn.rows.front(), 0);
            EXPECT_EQ(drawn.rows.back(), kHeight);
            EXPECT_TRUE(std::adjacent_find(drawn.rows.begin(), drawn.rows.end(), std::greater_equal<int>()) ==
                        drawn.rows.end());
        }
        double total = 0;
        for (double seconds : drawn.seconds)
            total += seconds;
        const double slowest = *std::max_element(drawn.seconds.begin(), drawn.seconds.end());
        // No band waits on another for long, unless one row alone outweighs a band's share.
        const double widestRow = *std::max_element(c.page.perRow.begin(), c.page.perRow.end());
        EXPECT_LE(slowest, total / c.bands * 1.05 + widestRow);
        EXPECT_LE(slowest, equal + widestRow) << "no slower than equal bands";
    }
}

TEST(BandBalance, TimesThatDoNotFitTheBandsTeachNothing)
{
    constexpr int kHeight = 400;
    const BandRows equal = equalBands(kHeight, 2);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const std::vector<std::pair<std::string, BandTimes>> cases = {
        {"a time too few", {equal, {0.01}}},
        {"a time too many", {equal, {0.01, 0.001, 0.001}}},
        {"not a number", {equal, {nan, 0.001}}},
        {"endless", {equal, {infinity, 0.001}}},
        {"negative", {equal, {-0.01, 0.001}}},
        {"all zero", {equal, {0, 0}}},
        {"rows not from the top", {{10, 200, kHeight}, {0.01, 0.001}}},
        {"an empty band", {{0, 200, 200, kHeight}, {0.01, 0.0, 0.001}}},
        {"no bands", {{}, {}}},
    };
    for (const auto& [what, times] : cases) {
        SCOPED_TRACE(what);
        BandBalance balance;
        balance.measured(times);
        EXPECT_EQ(balance.rows(kHeight, 2), equal);
    }
    // What was learnt of one height says nothing of another.
    BandBalance balance;
    balance.measured({equal, {0.01, 0.001}});
    EXPECT_NE(balance.rows(kHeight, 2), equal);
    EXPECT_EQ(balance.rows(kHeight + 1, 2), equalBands(kHeight + 1, 2));
    // However few the rows, each band keeps one.
    for (int height : {0, 1, 3})
        for (int bands : {1, 2, 4}) {
            BandBalance few;
            const BandRows rows = few.rows(height, bands);
            few.measured({rows, std::vector<double>(rows.size() - 1, 0.001)});
            EXPECT_EQ(few.rows(height, bands), rows) << height << " rows, " << bands << " bands";
        }
}

} // namespace
