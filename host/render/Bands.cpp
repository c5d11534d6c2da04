#include "Bands.h"

#include "ViewPng.h"

#include <cairo.h>

#include <algorithm>
#include <cstddef>
#include <system_error>
#include <thread>
#include <vector>

namespace host::render {

namespace {

// One band: its own surface over the image's rows that it draws, placed where they are in the
// image, and its own context, so that threads share nothing of cairo's but the font caches.
// The surface's edges do what a clip would, at no cost for each object drawn.
void drawBand(cairo_surface_t* image, int top, int bottom, double scale, const doc::Document& document,
              const doc::FontList& fonts, const DocumentView& view)
{
    const int stride = cairo_image_surface_get_stride(image);
    unsigned char* pixels = cairo_image_surface_get_data(image);
    if (pixels == nullptr || bottom <= top)
        return;
    cairo_surface_t* band = cairo_image_surface_create_for_data(pixels + static_cast<ptrdiff_t>(top) * stride,
                                                                cairo_image_surface_get_format(image),
                                                                cairo_image_surface_get_width(image), bottom - top, stride);
    cairo_surface_set_device_offset(band, 0, -top);
    cairo_t* c = cairo_create(band);
    cairo_scale(c, scale, scale);
    drawView(c, document, fonts, view);
    cairo_destroy(c);
    cairo_surface_flush(band);
    cairo_surface_destroy(band);
}

} // namespace

void drawViewInBands(cairo_surface_t* image, double scale, const doc::Document& document, const doc::FontList& fonts,
                     const DocumentView& view)
{
    cairo_surface_flush(image);
    const int height = cairo_image_surface_get_height(image);
    const auto cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int bands = std::clamp(std::min(cores, height / kFewestBandRows), 1, kMostBands);
    const auto rowOf = [&](int band) { return static_cast<int>(static_cast<long long>(height) * band / bands); };
    std::vector<std::thread> threads;
    std::vector<int> leftOver;
    for (int band = 1; band < bands; ++band) {
        try {
            threads.emplace_back(drawBand, image, rowOf(band), rowOf(band + 1), scale, std::cref(document),
                                 std::cref(fonts), std::cref(view));
        } catch (const std::system_error&) {
            leftOver.push_back(band);
        }
    }
    drawBand(image, 0, rowOf(1), scale, document, fonts, view);
    for (int band : leftOver)
        drawBand(image, rowOf(band), rowOf(band + 1), scale, document, fonts, view);
    for (std::thread& thread : threads)
        thread.join();
    cairo_surface_mark_dirty(image);
}

} // namespace host::render
