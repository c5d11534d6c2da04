#include "RuleBoxes.h"

#include "PlainTarget.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <numbers>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace host::render {

namespace {

// The farthest a point or a half stroke reaches from the picture's origin, in pixels: cairo
// holds points in 1/256 of a pixel in 32 bits, and a box adds half a stroke to a point.
constexpr double kFarthest = 1 << 22;

// A coordinate in 1/256 of a pixel, rounded as cairo rounds it, to the nearest, halves to even:
// added to 1.5 × 2^44, whose double holds 1/256 in its last bit, and read from the low 32 bits.
int32_t toFixed(double v)
{
    const double held = v + 0x1.8p44;
    uint64_t bits = 0;
    std::memcpy(&bits, &held, sizeof bits);
    return static_cast<int32_t>(static_cast<uint32_t>(bits));
}

// Sorts what a run of rules gives, which mostly comes in order or in the reverse order, as a
// table's rules are drawn one after the other.
template <typename Items, typename Less>
void sortRun(Items& items, Less less)
{
    if (std::is_sorted(items.begin(), items.end(), less))
        return;
    if (std::is_sorted(items.rbegin(), items.rend(), less))
        std::reverse(items.begin(), items.end());
    else
        std::sort(items.begin(), items.end(), less);
}

// Cairo keeps a colour's channels in 16 bits and draws in the upper 8 of each.
uint32_t channel(double v)
{
    return static_cast<uint32_t>(static_cast<uint16_t>(v * 65535.0 + 0.5) >> 8);
}

constexpr uint64_t kLowBytes = 0x00ff00ff00ff00ff;

// A pixel's four bytes spread to 16 bits each, to be worked on at once.
uint64_t spread(uint32_t pixel)
{
    return (pixel & 0xff00ffu) | (uint64_t{pixel & 0xff00ff00u} << 24);
}

uint32_t gathered(uint64_t bytes)
{
    return static_cast<uint32_t>((bytes & 0xff00ff) | ((bytes >> 24) & 0xff00ff00));
}

// Each byte times a coverage from 0 to 255, divided by 255 as cairo rounds it.
uint64_t times(uint64_t bytes, uint32_t coverage)
{
    const uint64_t t = bytes * coverage + 0x007f007f007f007f;
    return ((t + ((t >> 8) & kLowBytes)) >> 8) & kLowBytes;
}

// Each byte of one added to the same of the other, held at 255.
uint64_t plus(uint64_t a, uint64_t b)
{
    uint64_t t = a + b;
    t |= 0x0100010001000100 - ((t >> 8) & kLowBytes);
    return t & kLowBytes;
}

// Lays an opaque colour over the pixel at a coverage from 0 (the pixel as it was) to 255 (the
// colour), as cairo lays it: each byte, alpha too, colour × coverage + pixel × (255 −
// coverage), each product divided by 255 as cairo rounds it, the sum held at 255. `part` is the
// colour's bytes, spread, times the coverage.
void layOver(unsigned char* at, uint64_t part, uint32_t coverage)
{
    uint32_t pixel = 0;
    std::memcpy(&pixel, at, 4);
    pixel = gathered(plus(part, times(spread(pixel), 255 - coverage)));
    std::memcpy(at, &pixel, 4);
}

// Lays an opaque colour over pixels [left, right) of a row, each at the coverage its area
// gives, and clears the areas. An area is in 1/65,536 of a pixel's; the coverage is the area in
// 1/256 of a pixel's, held at 255. Four pixels at a time where there are four, the same sums in
// 16 bits a byte.
void layAreas(unsigned char* row, int left, int right, int32_t* areas, uint32_t color)
{
    int x = left;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i colors = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(color)), zero);
    const __m128i most = _mm_set1_epi16(255), rounding = _mm_set1_epi16(0x7f);
    // Two pixels' bytes in 16 bits each, each pixel's coverage in its four.
    const auto over = [&](__m128i pixels, __m128i covered) {
        __m128i part = _mm_add_epi16(_mm_mullo_epi16(colors, covered), rounding);
        __m128i rest = _mm_add_epi16(_mm_mullo_epi16(pixels, _mm_sub_epi16(most, covered)), rounding);
        part = _mm_srli_epi16(_mm_add_epi16(part, _mm_srli_epi16(part, 8)), 8);
        rest = _mm_srli_epi16(_mm_add_epi16(rest, _mm_srli_epi16(rest, 8)), 8);
        return _mm_add_epi16(part, rest);
    };
    for (; x + 4 <= right; x += 4) {
        __m128i* four = reinterpret_cast<__m128i*>(areas + x);
        const __m128i area = _mm_loadu_si128(four);
        _mm_storeu_si128(four, zero);
        // A pixel's area is at most 65,536: shifted, it fits in 16 bits.
        __m128i covered = _mm_min_epi16(_mm_packs_epi32(_mm_srai_epi32(area, 8), zero), most);
        covered = _mm_unpacklo_epi16(covered, covered);
        unsigned char* at = row + x * 4;
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const __m128i low = over(_mm_unpacklo_epi8(pixels, zero), _mm_unpacklo_epi32(covered, covered));
        const __m128i high = over(_mm_unpackhi_epi8(pixels, zero), _mm_unpackhi_epi32(covered, covered));
        // The sums held at 255.
        _mm_storeu_si128(reinterpret_cast<__m128i*>(at), _mm_packus_epi16(low, high));
    }
#endif
    const uint64_t bytes = spread(color);
    for (; x < right; ++x) {
        const uint32_t coverage = static_cast<uint32_t>(std::min(areas[x] >> 8, 255));
        areas[x] = 0;
        if (coverage > 0)
            layOver(row + x * 4, times(bytes, coverage), coverage);
    }
}

} // namespace

bool RuleBoxes::stroke(cairo_t* cairo, const std::vector<Line>& lines)
{
    if (cairo_status(cairo) != CAIRO_STATUS_SUCCESS)
        return false;
    cairo_surface_t* target = cairo_get_group_target(cairo);
    double offsetX = 0, offsetY = 0;
    if (cairo_surface_status(target) != CAIRO_STATUS_SUCCESS || !plainTarget(cairo, target, offsetX, offsetY))
        return false;
    double red = 0, green = 0, blue = 0, alpha = 0;
    if (cairo_pattern_get_rgba(cairo_get_source(cairo), &red, &green, &blue, &alpha) != CAIRO_STATUS_SUCCESS ||
        alpha != 1)
        return false;
    // Cairo strokes other ends and joins, and dashes, by another way than boxes.
    const cairo_line_cap_t cap = cairo_get_line_cap(cairo);
    if ((cap != CAIRO_LINE_CAP_BUTT && cap != CAIRO_LINE_CAP_SQUARE) ||
        cairo_get_line_join(cairo) != CAIRO_LINE_JOIN_MITER || !(cairo_get_miter_limit(cairo) >= std::numbers::sqrt2) ||
        cairo_get_dash_count(cairo) != 0 || cairo_get_antialias(cairo) == CAIRO_ANTIALIAS_NONE)
        return false;
    const int width = cairo_image_surface_get_width(target), height = cairo_image_surface_get_height(target);
    if (!boxesOf(cairo, lines, offsetX, offsetY, width, height))
        return false;
    if (boxes_.empty())
        return true;

    cairo_surface_flush(target);
    data_ = cairo_image_surface_get_data(target);
    if (data_ == nullptr) // a picture finished
        return false;
    stride_ = cairo_image_surface_get_stride(target);
    color_ = 0xffu << 24 | channel(red) << 16 | channel(green) << 8 | channel(blue);
    areas_.resize(static_cast<size_t>(width), 0);
    sweep();
    cairo_surface_mark_dirty(target);
    return true;
}

void RuleBoxes::sweep()
{
    // A row left by a sweep cut short (out of memory) is let go.
    if (areasRow_ >= 0) {
        std::fill(areas_.begin() + areasLeft_, areas_.begin() + areasRight_, 0);
        areasRow_ = -1;
    }
    byTop_.clear();
    bottoms_.clear();
    for (const Box& box : boxes_) {
        byTop_.push_back(&box);
        bottoms_.push_back(box.bottom);
    }
    sortRun(byTop_, [](const Box* a, const Box* b) { return a->top < b->top; });
    sortRun(bottoms_, std::less<int32_t>());
    edges_.clear();
    for (const Box* box : byTop_)
        edges_.push_back(box->top);
    edges_.insert(edges_.end(), bottoms_.begin(), bottoms_.end());
    std::inplace_merge(edges_.begin(), edges_.begin() + static_cast<ptrdiff_t>(byTop_.size()), edges_.end());
    edges_.erase(std::unique(edges_.begin(), edges_.end()), edges_.end());
    active_.clear();
    size_t next = 0;
    for (size_t k = 0; k + 1 < edges_.size(); ++k) {
        const int32_t top = edges_[k], bottom = edges_[k + 1];
        std::erase_if(active_, [top](const Box* box) { return box->bottom <= top; });
        while (next < byTop_.size() && byTop_[next]->top <= top)
            active_.push_back(byTop_[next++]);
        if (active_.empty())
            continue;
        spansAcross();
        // The rows the slab begins and ends in, where it need not cover all of them, and those
        // wholly within it, which no other slab covers any of.
        const int first = top >> 8, last = (bottom - 1) >> 8;
        const int wholeFrom = (top + 255) >> 8, wholeTo = bottom >> 8;
        if (first < wholeFrom)
            addToRow(first, std::min(bottom, (first + 1) * 256) - top);
        if (wholeFrom < wholeTo) {
            finishRow();
            fillRows(wholeFrom, wholeTo);
        }
        if (last >= wholeTo && last >= wholeFrom)
            addToRow(last, bottom - std::max(top, last * 256));
    }
    finishRow();
}

bool RuleBoxes::boxesOf(cairo_t* cairo, const std::vector<Line>& lines, double offsetX, double offsetY, int width,
                        int height)
{
    cairo_matrix_t ctm;
    cairo_get_matrix(cairo, &ctm);
    if (ctm.xy != 0 || ctm.yx != 0 || std::abs(ctm.xx) != std::abs(ctm.yy))
        return false;
    // Cairo draws nothing of a stroke no wider than about half its tolerance: a margin above.
    const double across = std::abs(ctm.xx) * cairo_get_line_width(cairo);
    if (!(across >= kThinnest && across >= cairo_get_tolerance(cairo) && across <= kFarthest))
        return false;
    const int32_t half = toFixed(across / 2.0);
    const bool square = cairo_get_line_cap(cairo) == CAIRO_LINE_CAP_SQUARE;
    boxes_.clear();
    for (const Line& line : lines) {
        // Each end taken to the device as cairo takes it: through the matrix, then moved by the
        // picture's offset.
        double x0 = line.x0, y0 = line.y0, x1 = line.x1, y1 = line.y1;
        cairo_matrix_transform_point(&ctm, &x0, &y0);
        cairo_matrix_transform_point(&ctm, &x1, &y1);
        x0 += offsetX;
        x1 += offsetX;
        y0 += offsetY;
        y1 += offsetY;
        for (double v : {x0, y0, x1, y1})
            if (!(std::abs(v) <= kFarthest))
                return false;
        const int32_t ax = toFixed(x0), ay = toFixed(y0), bx = toFixed(x1), by = toFixed(y1);
        Box box{std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
        if (ay == by && ax != bx) {
            box.top -= half;
            box.bottom += half;
            if (square) {
                box.left -= half;
                box.right += half;
            }
        } else if (ax == bx && ay != by) {
            box.left -= half;
            box.right += half;
            if (square) {
                box.top -= half;
                box.bottom += half;
            }
        } else {
            return false;
        }
        box = Box{std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, width * 256),
                  std::min(box.bottom, height * 256)};
        if (box.left < box.right && box.top < box.bottom)
            boxes_.push_back(box);
    }
    return true;
}

void RuleBoxes::spansAcross()
{
    across_.clear();
    for (const Box* box : active_)
        across_.emplace_back(box->left, box->right);
    sortRun(across_, std::less<std::pair<int32_t, int32_t>>());
    spans_.clear();
    const auto add = [this](int x, int count, int cover) {
        // One stretch may end and the next begin within a pixel.
        if (count == 1 && !spans_.empty() && spans_.back().count == 1 && spans_.back().x == x)
            spans_.back().cover += cover;
        else
            spans_.push_back({x, count, cover});
    };
    const auto stretch = [&add](int32_t left, int32_t right) {
        const int first = left >> 8, last = (right - 1) >> 8;
        if (first == last) {
            add(first, 1, right - left);
            return;
        }
        add(first, 1, (first + 1) * 256 - left);
        if (last > first + 1)
            add(first + 1, last - first - 1, 256);
        add(last, 1, right - last * 256);
    };
    int32_t left = across_.front().first, right = across_.front().second;
    for (const auto& [l, r] : across_) {
        if (l > right) {
            stretch(left, right);
            left = l;
        }
        right = std::max(right, r);
    }
    stretch(left, right);
}

void RuleBoxes::fillRows(int top, int bottom) const
{
    // The slab covers each of these rows alike: mostly a pixel or two of a rule across them.
    for (const Span& span : spans_) {
        const uint32_t coverage = static_cast<uint32_t>(std::min(span.cover, 255));
        const uint64_t part = times(spread(color_), coverage);
        for (int y = top; y < bottom; ++y) {
            unsigned char* row = data_ + static_cast<ptrdiff_t>(y) * stride_;
            for (int x = span.x; x < span.x + span.count; ++x) {
                if (coverage < 255)
                    layOver(row + x * 4, part, coverage);
                else
                    std::memcpy(row + x * 4, &color_, 4);
            }
        }
    }
}

void RuleBoxes::addToRow(int y, int down)
{
    if (y != areasRow_) {
        finishRow();
        areasRow_ = y;
        areasLeft_ = INT_MAX;
        areasRight_ = INT_MIN;
    }
    for (const Span& span : spans_) {
        for (int x = span.x; x < span.x + span.count; ++x)
            areas_[static_cast<size_t>(x)] += span.cover * down;
        areasLeft_ = std::min(areasLeft_, span.x);
        areasRight_ = std::max(areasRight_, span.x + span.count);
    }
}

void RuleBoxes::finishRow()
{
    if (areasRow_ < 0)
        return;
    layAreas(data_ + static_cast<ptrdiff_t>(areasRow_) * stride_, areasLeft_, areasRight_, areas_.data(), color_);
    areasRow_ = -1;
}

} // namespace host::render
