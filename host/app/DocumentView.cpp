#include "DocumentView.h"

#include "document/Document.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

// The artboard with a margin of 52.5 points at the sides and 50 above and below.
constexpr AIReal kFitWidth = 700, kFitHeight = 942;

} // namespace

DocumentView::DocumentView()
    : centre_{doc::Document::kArtboardWidth / 2, doc::Document::kArtboardHeight / 2}
{
}

bool DocumentView::setZoom(AIReal zoom)
{
    if (!std::isfinite(zoom) || zoom <= 0)
        return false;
    zoom_ = zoom;
    ++redraws_;
    return true;
}

void DocumentView::fitInto(int width, int height)
{
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    zoom_ = std::min(width_ / kFitWidth, height_ / kFitHeight);
    centre_ = {doc::Document::kArtboardWidth / 2, doc::Document::kArtboardHeight / 2};
    ++redraws_;
}

void DocumentView::resize(int width, int height)
{
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    ++redraws_;
}

void DocumentView::scrollBy(AIReal dx, AIReal dy)
{
    if (!std::isfinite(dx) || !std::isfinite(dy))
        return;
    centre_.h += dx / zoom_;
    centre_.v -= dy / zoom_;
    ++redraws_;
}

AIRealRect DocumentView::bounds() const
{
    const AIReal halfWidth = width_ / 2.0f / zoom_, halfHeight = height_ / 2.0f / zoom_;
    return {centre_.h - halfWidth, centre_.v + halfHeight, centre_.h + halfWidth, centre_.v - halfHeight};
}

AIPoint DocumentView::artworkToView(AIRealPoint p) const
{
    return {static_cast<ai_int32>(std::lround((p.h - centre_.h) * zoom_ + width_ / 2.0f)),
            static_cast<ai_int32>(std::lround(height_ / 2.0f - (p.v - centre_.v) * zoom_))};
}

AIRealPoint DocumentView::viewToArtwork(AIReal x, AIReal y) const
{
    return {centre_.h + (x - width_ / 2.0f) / zoom_, centre_.v - (y - height_ / 2.0f) / zoom_};
}

AIRealPoint DocumentView::viewToArtwork(AIPoint p) const
{
    return {centre_.h + (static_cast<AIReal>(p.h) - width_ / 2.0f) / zoom_,
            centre_.v - (static_cast<AIReal>(p.v) - height_ / 2.0f) / zoom_};
}


} // namespace host
