#include "BandBalance.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace host::render {

namespace {

// How much of each new estimate the last picture's times make, the rest being the estimate
// before: one slow band (a thread that started late) moves the bands only part of the way.
constexpr double kLastPictureShare = 0.5;

bool fits(const BandTimes& drawn)
{
    const BandRows& rows = drawn.rows;
    if (rows.empty() || !areBands(rows, rows.back()) || drawn.seconds.size() != rows.size() - 1)
        return false;
    return std::all_of(drawn.seconds.begin(), drawn.seconds.end(),
                       [](double seconds) { return std::isfinite(seconds) && seconds >= 0; });
}

} // namespace

BandRows BandBalance::rows(int height, int bands) const
{
    height = std::max(height, 0);
    bands = std::clamp(bands, 1, std::max(height, 1));
    if (perRow_.size() != static_cast<size_t>(height) || bands == 1)
        return equalBands(height, bands);
    double total = 0;
    for (double cost : perRow_)
        total += cost;
    if (!(total > 0))
        return equalBands(height, bands);
    // Each band ends at the row where the cost so far comes nearest its share, with a row at
    // least for itself and for each band after it.
    BandRows rows{0};
    double sofar = 0;
    int row = 0;
    for (int band = 1; band < bands; ++band) {
        const double share = total * band / bands;
        const int last = height - (bands - band);
        while (row < last && (row == rows.back() || sofar + perRow_[static_cast<size_t>(row)] / 2 < share))
            sofar += perRow_[static_cast<size_t>(row++)];
        rows.push_back(row);
    }
    rows.push_back(height);
    return rows;
}

void BandBalance::measured(const BandTimes& drawn)
{
    if (!fits(drawn))
        return;
    const BandRows& rows = drawn.rows;
    const auto height = static_cast<size_t>(rows.back());
    const bool known = perRow_.size() == height;
    if (!known)
        perRow_.assign(height, 0);
    for (size_t band = 0; band < drawn.seconds.size(); ++band) {
        const double perRow = drawn.seconds[band] / (rows[band + 1] - rows[band]);
        for (auto row = static_cast<size_t>(rows[band]); row < static_cast<size_t>(rows[band + 1]); ++row)
            perRow_[row] = known ? perRow_[row] + kLastPictureShare * (perRow - perRow_[row]) : perRow;
    }
}

} // namespace host::render
