#include "TextDrawing.h"

#include "GraphicsContext.h"

#include <cairo.h>

namespace ns {

namespace {

void selectFont(cairo_t* cairo, double size)
{
    cairo_select_font_face(cairo, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cairo, size);
}

} // namespace

double stringWidth(const std::string& text, double size)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cairo = cairo_create(surface);
    selectFont(cairo, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cairo, text.c_str(), &extents);
    cairo_destroy(cairo);
    cairo_surface_destroy(surface);
    return extents.x_advance;
}

void drawString(const std::string& text, const Rect& rect, const Color& color, TextAlignment alignment, double size)
{
    GraphicsContext* context = GraphicsContext::currentContext();
    if (context == nullptr || text.empty())
        return;
    cairo_t* cairo = context->cairo();
    cairo_save(cairo);
    cairo_rectangle(cairo, rect.minX(), rect.minY(), rect.size.width, rect.size.height);
    cairo_clip(cairo);
    selectFont(cairo, size);
    cairo_font_extents_t font;
    cairo_font_extents(cairo, &font);
    cairo_text_extents_t extents;
    cairo_text_extents(cairo, text.c_str(), &extents);
    double x = rect.minX() + 2;
    if (alignment == TextAlignment::Center)
        x = rect.midX() - extents.x_advance / 2;
    else if (alignment == TextAlignment::Right)
        x = rect.maxX() - 2 - extents.x_advance;
    // The baseline so that the line's ascent and descent sit centred.
    const double baseline = rect.midY() - (font.ascent - font.descent) / 2;
    cairo_translate(cairo, x, baseline);
    cairo_scale(cairo, 1, -1); // glyphs stand upright in a y-up context
    cairo_set_source_rgba(cairo, color.redComponent(), color.greenComponent(), color.blueComponent(),
                          color.alphaComponent());
    cairo_move_to(cairo, 0, 0);
    cairo_show_text(cairo, text.c_str());
    cairo_restore(cairo);
}

} // namespace ns
