#include "PlainTarget.h"

#include <cmath>

namespace host::render {

bool plainTarget(cairo_t* cairo, cairo_surface_t* target, double& offsetX, double& offsetY)
{
    if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE)
        return false;
    const cairo_format_t format = cairo_image_surface_get_format(target);
    if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24)
        return false;
    double scaleX = 0, scaleY = 0;
    cairo_surface_get_device_scale(target, &scaleX, &scaleY);
    cairo_surface_get_device_offset(target, &offsetX, &offsetY);
    if (scaleX != 1 || scaleY != 1 || offsetX != std::floor(offsetX) || offsetY != std::floor(offsetY) ||
        std::abs(offsetX) > 1e9 || std::abs(offsetY) > 1e9)
        return false;
    if (cairo_get_operator(cairo) != CAIRO_OPERATOR_OVER ||
        cairo_pattern_get_type(cairo_get_source(cairo)) != CAIRO_PATTERN_TYPE_SOLID)
        return false;
    // No clip within the picture (cairo gives no clip as one rectangle over all of it): what a
    // clip cuts may come out a shade apart.
    cairo_save(cairo);
    cairo_identity_matrix(cairo);
    cairo_rectangle_list_t* clip = cairo_copy_clip_rectangle_list(cairo);
    cairo_restore(cairo);
    const bool whole = clip->status == CAIRO_STATUS_SUCCESS && clip->num_rectangles == 1 &&
                       clip->rectangles[0].x <= -offsetX && clip->rectangles[0].y <= -offsetY &&
                       clip->rectangles[0].x + clip->rectangles[0].width >= cairo_image_surface_get_width(target) - offsetX &&
                       clip->rectangles[0].y + clip->rectangles[0].height >= cairo_image_surface_get_height(target) - offsetY;
    cairo_rectangle_list_destroy(clip);
    return whole;
}

} // namespace host::render
