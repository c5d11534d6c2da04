#include "Png.h"

#include "Numbers.h"
#include "Painting.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace host::render {

std::string checkPngScale(double scale)
{
    if (!(scale >= kLeastPngScale && scale <= kMostPngScale))
        return "a picture's scale lies between " + formatNumber(static_cast<float>(kLeastPngScale)) + " and " +
               formatNumber(static_cast<float>(kMostPngScale));
    return {};
}

std::string savePng(const doc::Document& document, const doc::FontList& fonts, const std::filesystem::path& path,
                    double scale)
{
    if (std::string reason = checkPngScale(scale); !reason.empty())
        return "cannot write " + path.string() + ": " + reason;
    const int width = std::max(1, static_cast<int>(std::lround(doc::Document::kArtboardWidth * scale)));
    const int height = std::max(1, static_cast<int>(std::lround(doc::Document::kArtboardHeight * scale)));
    const Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    const Context cairo(cairo_create(surface.get()));
    if (cairo_status(cairo.get()) != CAIRO_STATUS_SUCCESS)
        return "cannot write " + path.string() + ": " + cairo_status_to_string(cairo_status(cairo.get()));

    cairo_set_source_rgb(cairo.get(), 1, 1, 1);
    cairo_paint(cairo.get());
    // Artwork coordinates: points, the origin at the artboard's bottom-left corner, y upward.
    cairo_scale(cairo.get(), scale, scale);
    cairo_translate(cairo.get(), 0, doc::Document::kArtboardHeight);
    cairo_scale(cairo.get(), 1, -1);
    cairo_set_antialias(cairo.get(), CAIRO_ANTIALIAS_GRAY);
    paintDocument(cairo.get(), document, fonts);
    cairo_surface_flush(surface.get());
    // Cairo stops drawing at its first error: such a picture lacks what came after it.
    if (cairo_status(cairo.get()) != CAIRO_STATUS_SUCCESS)
        return "cannot write " + path.string() + ": " + cairo_status_to_string(cairo_status(cairo.get()));

    return writePng(surface.get(), path);
}

} // namespace host::render
