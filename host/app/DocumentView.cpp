#include "DocumentView.h"

#include "document/Document.h"

#include <cmath>

namespace host {

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

AIRealPoint DocumentView::viewToArtwork(AIPoint p) const
{
    return {centre_.h + (static_cast<AIReal>(p.h) - width_ / 2.0f) / zoom_,
            centre_.v - (static_cast<AIReal>(p.v) - height_ / 2.0f) / zoom_};
}


} // namespace host
