#include "CursorPicture.h"

#include "Painting.h"

#include <charconv>
#include <cstring>

namespace host::render {

namespace {

std::string shortest(double value)
{
    if (value == 0)
        return "0"; // -0 too
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return error == std::errc() ? std::string(text, end) : std::string("?");
}

char mark(uint32_t pixel)
{
    if ((pixel >> 24) == 0)
        return '.';
    if (pixel == 0xFF000000u)
        return '#';
    if (pixel == 0xFFFFFFFFu)
        return 'o';
    return '+';
}

} // namespace

uint32_t cursorPixel(const ns::Cursor& cursor, int column, int row)
{
    const ns::Image* image = cursor.image().get();
    if (image == nullptr || column < 0 || row < 0)
        return 0;
    // The image counts rows up from its bottom; the cursor stands from its top-left corner.
    const int height = cairo_image_surface_get_height(image->surface());
    return image->pixelAt(column, height - 1 - row);
}

std::string saveCursorPng(const ns::Cursor& cursor, const std::filesystem::path& path)
{
    const Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kCursorPixels, kCursorPixels));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return "cannot write " + path.string() + ": " + cairo_status_to_string(cairo_surface_status(surface.get()));
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int row = 0; row < kCursorPixels; ++row) {
        for (int column = 0; column < kCursorPixels; ++column) {
            // Copied, not drawn: no filter or blending can touch a pixel. Cairo's pixels are
            // premultiplied.
            const uint32_t pixel = cursorPixel(cursor, column, row);
            const uint32_t alpha = pixel >> 24;
            const auto premultiply = [&](int shift) { return ((((pixel >> shift) & 0xFF) * alpha + 127) / 255) << shift; };
            const uint32_t stored = (alpha << 24) | premultiply(16) | premultiply(8) | premultiply(0);
            std::memcpy(data + static_cast<ptrdiff_t>(row) * stride + static_cast<ptrdiff_t>(column) * 4, &stored, 4);
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return writePng(surface.get(), path);
}

std::string cursorText(const ns::Cursor& cursor)
{
    std::string text = "cursor ";
    text += !cursor.name().empty() ? cursor.name() : cursor.image() ? "image" : "none";
    text += "\nhot spot (" + shortest(cursor.hotSpot().x) + ", " + shortest(cursor.hotSpot().y) + ")\n";
    for (int row = 0; row < kCursorPixels; ++row) {
        for (int column = 0; column < kCursorPixels; ++column)
            text += mark(cursorPixel(cursor, column, row));
        text += '\n';
    }
    return text;
}

} // namespace host::render
