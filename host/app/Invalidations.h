// The rectangles asked to be redrawn, kept in bounded memory: past a few, they become the one
// rectangle that holds them all, which is what a redraw would cover anyway.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace host {

template <typename Rect>
class Invalidations {
public:
    static constexpr size_t kMostKept = 64;

    void add(const Rect& rect)
    {
        if (rects_.size() < kMostKept) {
            rects_.push_back(rect);
            return;
        }
        Rect all = rect;
        for (const Rect& r : rects_) {
            all.left = std::min(all.left, r.left);
            all.right = std::max(all.right, r.right);
            // Artwork rectangles have their top above their bottom, view rectangles below.
            const bool upward = r.top >= r.bottom;
            all.top = upward ? std::max(all.top, r.top) : std::min(all.top, r.top);
            all.bottom = upward ? std::min(all.bottom, r.bottom) : std::max(all.bottom, r.bottom);
        }
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
