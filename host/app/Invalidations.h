// The rectangles asked to be redrawn, kept in bounded memory: past a few, they become the one
// rectangle that holds them all, which is what a redraw would cover anyway.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace host {

// `Upward`: the rectangles' top is above their bottom (artwork), else below it (the view).
template <typename Rect, bool Upward>
class Invalidations {
public:
    static constexpr size_t kMostKept = 64;

    void add(const Rect& rect)
    {
        if (rects_.size() < kMostKept) {
            rects_.push_back(rect);
            return;
        }
        // Whichever way each was given, the one that holds them all.
        auto left = std::min(rect.left, rect.right), right = std::max(rect.left, rect.right);
        auto low = std::min(rect.top, rect.bottom), high = std::max(rect.top, rect.bottom);
        for (const Rect& r : rects_) {
            left = std::min({left, r.left, r.right});
            right = std::max({right, r.left, r.right});
            low = std::min({low, r.top, r.bottom});
            high = std::max({high, r.top, r.bottom});
        }
        Rect all = rect;
        all.left = left;
        all.right = right;
        all.top = Upward ? high : low;
        all.bottom = Upward ? low : high;
        rects_.assign(1, all);
    }

    // Since the last take, oldest first.
    std::vector<Rect> take()
    {
        std::vector<Rect> taken;
        taken.swap(rects_);
        return taken;
    }

private:
    std::vector<Rect> rects_;
};

} // namespace host
