// Glyphs drawn on a picture of pixels without cairo's own glyph drawing, which holds a lock of
// its own for the whole of each call: bands drawn by several threads at once would wait on each
// other for their texts. Each glyph's mask is read once from cairo, the glyph drawn alone into
// a picture of its own, and the glyphs of a call are added into one mask that cairo paints in
// the source. The pixels are those cairo's glyph drawing gives: each glyph where cairo puts it
// (its position rounded to the nearest pixel, halves upward), the masks of glyphs that meet
// added and held at full, the source painted through the sum.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace host::render {

class GlyphMasks {
public:
    GlyphMasks() = default;
    ~GlyphMasks();
    GlyphMasks(const GlyphMasks&) = delete;
    GlyphMasks& operator=(const GlyphMasks&) = delete;

    // Draws the glyphs as cairo_show_glyphs would: in the context's scaled font and solid
    // source, positioned in its user space. False, having drawn nothing, where the pixels could
    // differ from cairo's (glyphs of colour, type turned or larger than kLargestPixels, a clip,
    // a picture not of 32-bit pixels or offset by a fraction of one): cairo draws them then.
    bool show(cairo_t* cairo, const cairo_glyph_t* glyphs, int count);

    // The largest type, in pixels across or down its square, drawn here.
    static constexpr double kLargestPixels = 256;

private:
    // A glyph's mask: its coverage of each pixel, from the pixel where the glyph is put.
    struct Mask {
        bool plain = false; // coverage alone, painted in the source; false for colour
        int left = 0, top = 0, width = 0, height = 0;
        // Row by row, each row followed by kSlack bytes of nothing, so that a row is added 16
        // bytes at a time.
        std::vector<uint8_t> coverage;
        int stride() const { return width + kSlack; }
    };
    static constexpr int kSlack = 16;
    // Glyphs of indices below this are found by their index, without a search.
    static constexpr unsigned long kMostIndexed = 1 << 16;
    struct Font {
        Font(cairo_scaled_font_t* held) : font(held) {}
        Font(const Font&) = delete;
        Font& operator=(const Font&) = delete;
        Font(Font&&) noexcept = default;
        Font& operator=(Font&&) noexcept = default;

        cairo_scaled_font_t* font; // a reference of this one's own
        std::unordered_map<unsigned long, Mask> masks; // by glyph index
        std::vector<const Mask*> byIndex;              // the same, for the lower indices
        const Mask* find(unsigned long index) const;
    };
    struct Placed {
        const Mask* mask;
        int x, y; // the pixel the glyph is put at
    };

    Font& fontOf(cairo_scaled_font_t* font);
    // Reads the masks of the glyphs not yet read in one picture, the glyphs side by side; a
    // glyph that cannot be read gets a mask that is not plain.
    void read(cairo_t* cairo, Font& font, const cairo_glyph_t* glyphs, int count);

    std::vector<Font> fonts_;
    std::vector<Placed> placed_;
    std::vector<uint8_t> sum_; // the call's mask
};

} // namespace host::render
