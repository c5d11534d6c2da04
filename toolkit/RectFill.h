// The rectangle fills: with the current fill colour, in the current context. RectFill and
// RectFillList copy the colour (alpha included); RectFillUsingOperation composites as told.
#pragma once

#include "GraphicsContext.h"

namespace ns {

void RectFill(const Rect& rect);
void RectFillList(const Rect* rects, int count);
void RectFillUsingOperation(const Rect& rect, CompositingOperation operation);

} // namespace ns
