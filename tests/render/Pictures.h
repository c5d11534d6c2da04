// Pictures to draw on where every byte shows what is drawn over it, for the tests that hold the
// host's own pixel drawing to cairo's.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace test_pictures {

// A picture of that size whose every pixel is of another colour, and of another opacity where
// the picture has one, moved by its device offset as a band of a larger one is.
inline cairo_surface_t* background(cairo_format_t format, int width, int height, double offsetX, double offsetY)
{
    cairo_surface_t* image = cairo_image_surface_create(format, width, height);
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t alpha = format == CAIRO_FORMAT_ARGB32 ? 128 + static_cast<uint32_t>(x + 3 * y) % 128 : 255;
            const auto channel = [&](int k) { return static_cast<uint32_t>((x * 37 + y * 11 + k * 71) % 256) * alpha / 255; };
            const uint32_t pixel = alpha << 24 | channel(0) << 16 | channel(1) << 8 | channel(2);
            std::memcpy(data + y * cairo_image_surface_get_stride(image) + x * 4, &pixel, 4);
        }
    cairo_surface_mark_dirty(image);
    cairo_surface_set_device_offset(image, offsetX, offsetY);
    return image;
}

inline std::vector<unsigned char> bytesOf(cairo_surface_t* image)
{
    cairo_surface_flush(image);
    const unsigned char* data = cairo_image_surface_get_data(image);
    return {data, data + static_cast<size_t>(cairo_image_surface_get_stride(image)) *
                             static_cast<size_t>(cairo_image_surface_get_height(image))};
}

// How many bytes of two pictures' differ.
inline size_t differing(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b)
{
    size_t count = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        count += a[i] != b[i];
    return count;
}

} // namespace test_pictures
