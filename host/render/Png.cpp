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

Surface paintPng(const doc::Document& document, const doc::FontList& fonts, double scale, std::string& reason)
{
    if (reason = checkPngScale(scale); !reason.empty())
        return nullptr;
    const int width = std::max(1, static_cast<int>(std::lround(doc::Document::kArtboardWidth * scale)));
    const int height = std::max(1, static_cast<int>(std::lround(doc::Document::kArtboardHeight * scale)));
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    const Context cairo(cairo_create(surface.get()));
    if (cairo_status(cairo.get()) != CAIRO_STATUS_SUCCESS) {
        reason = cairo_status_to_string(cairo_status(cairo.get()));
        return nullptr;
    }
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
    if (cairo_status(cairo.get()) != CAIRO_STATUS_SUCCESS) {
        reason = cairo_status_to_string(cairo_status(cairo.get()));
        return nullptr;
    }
    return surface;
}

std::string savePng(const doc::Document& document, const doc::FontList& fonts, const std::filesystem::path& path,
                    double scale)
{
    std::string reason;
    const Surface surface = paintPng(document, fonts, scale, reason);
    if (!surface)
        return "cannot write " + path.string() + ": " + reason;
    return writePng(surface.get(), path);
}

} // namespace host::render
