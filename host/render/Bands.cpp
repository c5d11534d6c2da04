#include "Bands.h"

#include "ViewPng.h"

#include <cairo.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <functional>
#include <system_error>
#include <thread>

namespace host::render {

namespace {

// One band: its own surface over the image's rows that it draws, placed where they are in the
// image, and its own context, so that threads share nothing of cairo's but the font caches.
// The surface's edges do what a clip would, at no cost for each object drawn.
void drawBand(cairo_surface_t* image, int top, int bottom, double scale, const doc::Document& document,
              const doc::FontList& fonts, const DocumentView& view, double& seconds)
{
    const auto start = std::chrono::steady_clock::now();
    const int stride = cairo_image_surface_get_stride(image);
    unsigned char* pixels = cairo_image_surface_get_data(image);
    if (pixels != nullptr && bottom > top) {
        cairo_surface_t* band = cairo_image_surface_create_for_data(
            pixels + static_cast<ptrdiff_t>(top) * stride, cairo_image_surface_get_format(image),
            cairo_image_surface_get_width(image), bottom - top, stride);
        cairo_surface_set_device_offset(band, 0, -top);
        cairo_t* c = cairo_create(band);
        cairo_scale(c, scale, scale);
        drawView(c, document, fonts, view);
        cairo_destroy(c);
        cairo_surface_flush(band);
        cairo_surface_destroy(band);
    }
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int bandsFor(int height)
{
    const auto cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return std::clamp(std::min(cores, height / kFewestBandRows), 1, kMostBands);
}

BandRows equalBands(int height, int bands)
{
    height = std::max(height, 0);
    bands = std::clamp(bands, 1, std::max(height, 1));
    BandRows rows;
    for (int band = 0; band <= bands; ++band)
        rows.push_back(static_cast<int>(static_cast<long long>(height) * band / bands));
    return rows;
}

bool areBands(const BandRows& rows, int height)
{
    return rows.size() >= 2 && rows.front() == 0 && rows.back() == height &&
           std::adjacent_find(rows.begin(), rows.end(), std::greater_equal<int>()) == rows.end();
}

BandTimes drawViewInBands(cairo_surface_t* image, double scale, const doc::Document& document,
                          const doc::FontList& fonts, const DocumentView& view, const BandRows& given)
{
    cairo_surface_flush(image);
    // Bands that do not cover the image from top to bottom, each below the one before, would
    // leave rows undrawn, draw some twice at once, or draw outside the image: equal ones then.
    const int height = cairo_image_surface_get_height(image);
    BandTimes times{areBands(given, height) ? given : equalBands(height, bandsFor(height)), {}};
    const BandRows& rows = times.rows;
    const size_t bands = rows.size() - 1;
    times.seconds.assign(bands, 0);
    std::vector<std::thread> threads;
    std::vector<size_t> leftOver;
    for (size_t band = 1; band < bands; ++band) {
        try {
            threads.emplace_back(drawBand, image, rows[band], rows[band + 1], scale, std::cref(document),
                                 std::cref(fonts), std::cref(view), std::ref(times.seconds[band]));
        } catch (const std::system_error&) {
            leftOver.push_back(band);
        }
    }
    drawBand(image, rows[0], rows[1], scale, document, fonts, view, times.seconds[0]);
    for (size_t band : leftOver)
        drawBand(image, rows[band], rows[band + 1], scale, document, fonts, view, times.seconds[band]);
    for (std::thread& thread : threads)
        thread.join();
    cairo_surface_mark_dirty(image);
    return times;
}

} // namespace host::render
