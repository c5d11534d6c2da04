#include "GlyphMasks.h"

#include "PlainTarget.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace host::render {

namespace {

// Cairo puts a glyph at the pixel nearest its position, halves going up.
int nearestPixel(double v)
{
    const double down = std::floor(v);
    return static_cast<int>(down) + (v - down >= 0.5 ? 1 : 0);
}

// Free room around a glyph's ink in the picture its mask is read from: more than hinting and
// antialiasing take, so that a glyph's pixels never reach its neighbour's.
constexpr int kRoom = 4;

// A picture's pixel as cairo keeps it: alpha, red, green, blue, colours multiplied by alpha.
struct Pixel {
    uint8_t a, r, g, b;
};

// A picture's pixels, where they lie for as long as nothing draws on it.
class ImagePixels {
public:
    explicit ImagePixels(cairo_surface_t* image)
        : data_(cairo_image_surface_get_data(image)), stride_(cairo_image_surface_get_stride(image))
    {
    }

    Pixel at(int x, int y) const
    {
        uint32_t value = 0;
        std::memcpy(&value, data_ + static_cast<ptrdiff_t>(y) * stride_ + static_cast<ptrdiff_t>(x) * 4, 4);
        return {static_cast<uint8_t>(value >> 24), static_cast<uint8_t>(value >> 16),
                static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
    }

private:
    const unsigned char* data_;
    int stride_;
};

// The glyphs drawn in that colour, where given, into a new picture of that size, in the font
// the context `like` sets and the picture's space `linear`. `faithful` tells whether cairo drew
// them all, in `font`, the one the context draws in.
cairo_surface_t* drawn(cairo_t* like, cairo_scaled_font_t* font, const cairo_matrix_t& linear,
                       const std::vector<cairo_glyph_t>& at, int width, int height, double red, double blue,
                       bool& faithful)
{
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* c = cairo_create(image);
    cairo_set_matrix(c, &linear);
    cairo_set_font_face(c, cairo_get_font_face(like));
    cairo_matrix_t fontMatrix;
    cairo_get_font_matrix(like, &fontMatrix);
    cairo_set_font_matrix(c, &fontMatrix);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_get_font_options(like, options);
    cairo_set_font_options(c, options);
    cairo_font_options_destroy(options);
    faithful = cairo_get_scaled_font(c) == font;
    cairo_set_source_rgb(c, red, 0, blue);
    cairo_show_glyphs(c, at.data(), static_cast<int>(at.size()));
    // Glyphs cairo failed to draw would read as glyphs of no ink.
    faithful = faithful && cairo_status(c) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(c);
    cairo_surface_flush(image);
    return image;
}

} // namespace

GlyphMasks::~GlyphMasks()
{
    for (Font& font : fonts_)
        cairo_scaled_font_destroy(font.font);
}

const GlyphMasks::Mask* GlyphMasks::Font::find(unsigned long index) const
{
    if (index < byIndex.size())
        return byIndex[index];
    const auto found = masks.find(index);
    return found != masks.end() ? &found->second : nullptr;
}

GlyphMasks::Font& GlyphMasks::fontOf(cairo_scaled_font_t* font)
{
    for (Font& known : fonts_)
        if (known.font == font)
            return known;
    return fonts_.emplace_back(cairo_scaled_font_reference(font));
}

void GlyphMasks::read(cairo_t* cairo, Font& font, const cairo_glyph_t* glyphs, int count)
{
    // A page's texts are tens of thousands of glyphs of a few dozen kinds: each kind is listed
    // once, the lower indices marked as they are.
    std::vector<unsigned long> missing;
    std::vector<bool> listed;
    for (int i = 0; i < count; ++i) {
        const unsigned long index = glyphs[i].index;
        if (index < kMostIndexed) {
            if (index >= listed.size())
                listed.resize(index + 1);
            if (listed[index])
                continue;
            listed[index] = true;
        } else if (std::find(missing.begin(), missing.end(), index) != missing.end()) {
            continue;
        }
        if (!font.masks.contains(index))
            missing.push_back(index);
    }
    if (missing.empty())
        return;
    // The font's space on the device, moved nowhere: the glyphs are drawn in it side by side,
    // each in a cell of its own, each at a whole pixel.
    cairo_matrix_t linear;
    cairo_get_matrix(cairo, &linear);
    linear.x0 = linear.y0 = 0;
    cairo_matrix_t back = linear;
    if (cairo_matrix_invert(&back) != CAIRO_STATUS_SUCCESS) {
        for (unsigned long index : missing)
            font.masks.emplace(index, Mask{});
        return;
    }
    struct Cell {
        int left, width, x, y; // x, y: where the glyph is put
    };
    std::vector<Cell> cells;
    std::vector<cairo_glyph_t> at;
    int width = 0, height = 1;
    for (unsigned long index : missing) {
        cairo_glyph_t glyph{index, 0, 0};
        cairo_text_extents_t ink{};
        cairo_scaled_font_glyph_extents(font.font, &glyph, 1, &ink);
        double xs[] = {ink.x_bearing, ink.x_bearing + ink.width, ink.x_bearing, ink.x_bearing + ink.width};
        double ys[] = {ink.y_bearing, ink.y_bearing, ink.y_bearing + ink.height, ink.y_bearing + ink.height};
        for (int k = 0; k < 4; ++k)
            cairo_matrix_transform_distance(&linear, &xs[k], &ys[k]);
        const double inkLeft = std::floor(*std::min_element(xs, xs + 4)), inkRight = std::ceil(*std::max_element(xs, xs + 4));
        const double inkTop = std::floor(*std::min_element(ys, ys + 4)), inkBottom = std::ceil(*std::max_element(ys, ys + 4));
        if (!(inkRight - inkLeft <= 2 * kLargestPixels && inkBottom - inkTop <= 2 * kLargestPixels) ||
            !(std::abs(inkLeft) <= 2 * kLargestPixels && std::abs(inkTop) <= 2 * kLargestPixels)) {
            font.masks.emplace(index, Mask{});
            continue;
        }
        const Cell cell{width, static_cast<int>(inkRight - inkLeft) + 2 * kRoom,
                        width + kRoom - static_cast<int>(inkLeft), kRoom - static_cast<int>(inkTop)};
        double x = cell.x, y = cell.y;
        cairo_matrix_transform_point(&back, &x, &y);
        // Where cairo will put it, as show() works it out: at the cell's pixel, or not read.
        double forwardX = x, forwardY = y;
        cairo_matrix_transform_point(&linear, &forwardX, &forwardY);
        if (nearestPixel(forwardX) != cell.x || nearestPixel(forwardY) != cell.y) {
            font.masks.emplace(index, Mask{});
            continue;
        }
        at.push_back({index, x, y});
        cells.push_back(cell);
        width += cell.width;
        height = std::max(height, static_cast<int>(inkBottom - inkTop) + 2 * kRoom);
    }
    if (cells.empty())
        return;
    // Drawn twice, in red and in blue: the glyphs whose pixels are their coverage in each
    // colour are masks; a glyph of colour keeps its own and is left to cairo.
    bool redFaithful = false, blueFaithful = false;
    cairo_surface_t* red = drawn(cairo, font.font, linear, at, width, height, 1, 0, redFaithful);
    cairo_surface_t* blue = drawn(cairo, font.font, linear, at, width, height, 0, 1, blueFaithful);
    const bool read = redFaithful && blueFaithful && cairo_surface_status(red) == CAIRO_STATUS_SUCCESS &&
                      cairo_surface_status(blue) == CAIRO_STATUS_SUCCESS;
    const ImagePixels reds(red), blues(blue);
    for (size_t k = 0; k < cells.size(); ++k) {
        const Cell& cell = cells[k];
        Mask mask;
        mask.plain = read;
        int left = cell.left + cell.width, right = cell.left, top = height, bottom = 0;
        for (int y = 0; y < height && mask.plain; ++y)
            for (int x = cell.left; x < cell.left + cell.width; ++x) {
                const Pixel r = reds.at(x, y), b = blues.at(x, y);
                if (r.a != r.r || r.g != 0 || r.b != 0 || b.a != b.b || b.r != 0 || b.g != 0 || r.a != b.a) {
                    mask.plain = false;
                    break;
                }
                if (r.a == 0)
                    continue;
                // Ink on the cell's edge may have come from beyond it.
                if (x == cell.left || x == cell.left + cell.width - 1 || y == 0 || y == height - 1) {
                    mask.plain = false;
                    break;
                }
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            }
        if (mask.plain && left < right) {
            mask.left = left - cell.x;
            mask.top = top - cell.y;
            mask.width = right - left;
            mask.height = bottom - top;
            mask.coverage.assign(static_cast<size_t>(mask.stride()) * static_cast<size_t>(mask.height), 0);
            for (int y = 0; y < mask.height; ++y)
                for (int x = 0; x < mask.width; ++x)
                    mask.coverage[static_cast<size_t>(y) * static_cast<size_t>(mask.stride()) + static_cast<size_t>(x)] =
                        reds.at(left + x, top + y).a;
        }
        font.masks.emplace(at[k].index, std::move(mask));
    }
    // The masks stay where the map put them: the lower indices find them without a search.
    for (const auto& [index, mask] : font.masks)
        if (index < kMostIndexed) {
            if (index >= font.byIndex.size())
                font.byIndex.resize(index + 1, nullptr);
            font.byIndex[index] = &mask;
        }
    cairo_surface_destroy(red);
    cairo_surface_destroy(blue);
}

bool GlyphMasks::show(cairo_t* cairo, const cairo_glyph_t* glyphs, int count)
{
    if (count == 0)
        return true;
    if (count < 0 || glyphs == nullptr)
        return false;
    cairo_surface_t* target = cairo_get_group_target(cairo);
    double offsetX = 0, offsetY = 0;
    if (!plainTarget(cairo, target, offsetX, offsetY))
        return false;
    cairo_scaled_font_t* scaled = cairo_get_scaled_font(cairo);
    if (cairo_scaled_font_status(scaled) != CAIRO_STATUS_SUCCESS)
        return false;
    cairo_matrix_t scale, ctm, fontMatrix;
    cairo_scaled_font_get_scale_matrix(scaled, &scale);
    cairo_get_matrix(cairo, &ctm);
    cairo_get_font_matrix(cairo, &fontMatrix);
    // Type set upright (flipped at most), with its metrics fitted to the pixels: where cairo
    // sees no two glyphs' boxes meet, it draws the glyphs one by one, and the boxes then hold
    // all of each glyph's ink, so that adding the masks gives its pixels. A font moved by its
    // own matrix is not where its masks are read.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_scaled_font_get_font_options(scaled, options);
    const bool fitted = cairo_font_options_get_hint_metrics(options) != CAIRO_HINT_METRICS_OFF;
    cairo_font_options_destroy(options);
    const bool upright = scale.xy == 0 && scale.yx == 0;
    if (!fitted || !upright || !(std::abs(scale.xx) <= kLargestPixels && std::abs(scale.yy) <= kLargestPixels) ||
        fontMatrix.x0 != 0 || fontMatrix.y0 != 0)
        return false;
    Font& font = fontOf(scaled);

    // Where cairo puts each glyph: through the context's matrix and the picture's offset, as
    // cairo composes them (under a matrix that only moves, the same sums as its own there).
    cairo_matrix_t place, device;
    cairo_matrix_init(&device, 1, 0, 0, 1, offsetX, offsetY);
    cairo_matrix_multiply(&place, &ctm, &device);
    const int width = cairo_image_surface_get_width(target), height = cairo_image_surface_get_height(target);
    // A glyph lies within this far of its pixel: one further out shows nothing.
    constexpr double kReach = 4 * kLargestPixels;
    int left = width, top = height, right = 0, bottom = 0;
    placed_.clear();
    for (int i = 0; i < count; ++i) {
        const Mask* found = font.find(glyphs[i].index);
        if (found == nullptr) {
            read(cairo, font, glyphs + i, count - i);
            if (cairo_scaled_font_status(font.font) != CAIRO_STATUS_SUCCESS)
                return false;
            found = font.find(glyphs[i].index);
        }
        if (found == nullptr || !found->plain)
            return false;
        double x = glyphs[i].x, y = glyphs[i].y;
        cairo_matrix_transform_point(&place, &x, &y);
        if (!(x > -kReach && x < width + kReach && y > -kReach && y < height + kReach))
            continue;
        const Mask& mask = *found;
        const int px = nearestPixel(x), py = nearestPixel(y);
        const int l = std::max(px + mask.left, 0), t = std::max(py + mask.top, 0);
        const int r = std::min(px + mask.left + mask.width, width), b = std::min(py + mask.top + mask.height, height);
        if (l >= r || t >= b)
            continue;
        placed_.push_back({&mask, px, py});
        left = std::min(left, l);
        top = std::min(top, t);
        right = std::max(right, r);
        bottom = std::max(bottom, b);
    }
    if (placed_.empty())
        return true;

    // The masks added into one over the pixels they cover, held at full coverage. Each row of
    // it has room for a glyph's row added 16 bytes at a time.
    const int sumWidth = right - left, sumHeight = bottom - top;
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_A8, sumWidth + kSlack);
    sum_.assign(static_cast<size_t>(stride) * static_cast<size_t>(sumHeight), 0);
    for (const Placed& glyph : placed_) {
        const Mask& mask = *glyph.mask;
        const int x0 = glyph.x + mask.left, y0 = glyph.y + mask.top;
        const int l = std::max(x0, left), t = std::max(y0, top);
        const int r = std::min(x0 + mask.width, right), b = std::min(y0 + mask.height, bottom);
        // A glyph cut on its right keeps ink past the cut: added byte by byte.
        const bool whole = r == x0 + mask.width;
        for (int y = t; y < b; ++y) {
            const uint8_t* from = mask.coverage.data() + static_cast<ptrdiff_t>(y - y0) * mask.stride() + (l - x0);
            uint8_t* to = sum_.data() + static_cast<ptrdiff_t>(y - top) * stride + (l - left);
            int x = 0;
#if defined(__SSE2__)
            for (; whole && x < r - l; x += 16) {
                const __m128i sum = _mm_adds_epu8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(to + x)),
                                                  _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + x)));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(to + x), sum);
            }
#endif
            for (; x < r - l; ++x)
                to[x] = static_cast<uint8_t>(std::min(255, to[x] + from[x]));
        }
    }
    cairo_surface_t* sum =
        cairo_image_surface_create_for_data(sum_.data(), CAIRO_FORMAT_A8, sumWidth, sumHeight, stride);
    cairo_save(cairo);
    cairo_identity_matrix(cairo);
    cairo_mask_surface(cairo, sum, left - offsetX, top - offsetY);
    cairo_restore(cairo);
    cairo_surface_destroy(sum);
    return true;
}

} // namespace host::render
