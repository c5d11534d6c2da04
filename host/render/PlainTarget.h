// Whether a context draws where the host's own pixel drawing (glyphs from masks, rules as
// boxes) gives the pixels cairo would.
#pragma once

#include <cairo.h>

namespace host::render {

// Whether the context draws on the whole of `target`, an image of 32-bit pixels, through no
// clip, at whole pixels and a pixel per unit of device space, over what is there, in one
// colour. The target's device offset (whole pixels) is given back.
bool plainTarget(cairo_t* cairo, cairo_surface_t* target, double& offsetX, double& offsetY);

} // namespace host::render
