#include "TextMeasure.h"

#include "Painting.h"
#include "Scene.h"
#include "TypeTool.h"
#include "document/Unicode.h"

#include <cairo.h>

#include <cmath>
#include <string>

namespace host::render {

namespace {

// The largest type size in pixels that is measured, as the largest that is drawn.
constexpr double kLargestTextPixels = 32768;

bool isHigh(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLow(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

std::vector<double> caretPlaces(const doc::Art& frame, const doc::FontList& fonts, double pixelsPerPoint)
{
    const TextLook look = textLook(frame, fonts);
    const std::u16string& text = frame.pointText().text;
    if (!(look.size > 0 && look.size * pixelsPerPoint <= kLargestTextPixels && pixelsPerPoint > 0))
        return TypeTool::estimatedPlaces(frame);
    // The line as it is drawn, each code point as oneLine makes it, and where each UTF-16
    // offset falls in its bytes.
    std::string drawn;
    std::vector<size_t> byteAt(text.size() + 1, 0);
    for (size_t i = 0; i < text.size();) {
        const size_t units = isHigh(text[i]) && i + 1 < text.size() && isLow(text[i + 1]) ? 2 : 1;
        byteAt[i] = drawn.size();
        if (units == 2)
            byteAt[i + 1] = drawn.size();
        drawn += oneLine(doc::utf16ToUtf8(std::u16string_view(text).substr(i, units)));
        i += units;
    }
    byteAt[text.size()] = drawn.size();

    const Surface surface(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1));
    const Context context(cairo_create(surface.get()));
    cairo_t* c = context.get();
    cairo_scale(c, pixelsPerPoint, pixelsPerPoint);
    selectFamily(c, look.family);
    cairo_set_font_size(c, look.size);
    cairo_text_extents_t extents{};
    cairo_text_extents(c, drawn.c_str(), &extents);

    // Where each byte's glyphs start: a cluster's bytes all stand at its first glyph.
    std::vector<double> xAtByte(drawn.size() + 1, extents.x_advance);
    cairo_glyph_t* glyphs = nullptr;
    cairo_text_cluster_t* clusters = nullptr;
    int glyphCount = 0, clusterCount = 0;
    cairo_text_cluster_flags_t flags{};
    const cairo_status_t status =
        cairo_scaled_font_text_to_glyphs(cairo_get_scaled_font(c), 0, 0, drawn.data(), static_cast<int>(drawn.size()),
                                         &glyphs, &glyphCount, &clusters, &clusterCount, &flags);
    if (status != CAIRO_STATUS_SUCCESS || cairo_status(c) != CAIRO_STATUS_SUCCESS)
        return TypeTool::estimatedPlaces(frame);
    size_t byte = 0;
    int glyph = 0;
    for (int k = 0; k < clusterCount; ++k) {
        const double x = glyph < glyphCount ? glyphs[glyph].x : extents.x_advance;
        for (int b = 0; b < clusters[k].num_bytes && byte < drawn.size(); ++b)
            xAtByte[byte++] = x;
        glyph += clusters[k].num_glyphs;
    }
    cairo_glyph_free(glyphs);
    cairo_text_cluster_free(clusters);

    const double start = textStart(0, extents.x_advance, alignmentOf(look.justification));
    std::vector<double> places;
    places.reserve(byteAt.size());
    for (size_t b : byteAt)
        places.push_back(start + xAtByte[b]);
    return places;
}

} // namespace host::render
