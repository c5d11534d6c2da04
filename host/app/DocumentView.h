// The one view of the document: a window of pixels onto the artwork, centred on a point at
// a zoom. View points are pixels with y downward from the view's top-left corner; artwork
// points have y upward.
#pragma once

#include "Invalidations.h"

#include "sdk/ASTypes.h"

#include <vector>

namespace host {

class DocumentView {
public:
    // Shows the whole A4 artboard with a margin at zoom 1.
    DocumentView();

    AIDocumentViewHandle handle() const { return reinterpret_cast<AIDocumentViewHandle>(const_cast<DocumentView*>(this)); }
    int width() const { return width_; }
    int height() const { return height_; }
    AIReal zoom() const { return zoom_; }
    // False for a zoom that is not finite or not positive.
    bool setZoom(AIReal zoom);
    // The view made `width` x `height` pixels (each at least 1), the zoom set so that the
    // artboard and its margin fit, centred on the artboard. A 700 x 942 view shows it at
    // zoom 1.
    void fitInto(int width, int height);
    // The view made `width` x `height` pixels (each at least 1), its zoom and centre kept: a
    // window resized shows more or less around the same point.
    void resize(int width, int height);
    // Moves what the view shows by so many view pixels (right and down for positive values).
    void scrollBy(AIReal dx, AIReal dy);
    // The point of the artwork under a view point given in fractions of a pixel.
    AIRealPoint viewToArtwork(AIReal x, AIReal y) const;
    // Counts changes of the size, zoom or centre, for whoever keeps a picture of the view.
    int changes() const { return redraws_; }

    // The artwork the view shows.
    AIRealRect bounds() const;
    AIPoint artworkToView(AIRealPoint p) const;
    AIRealPoint viewToArtwork(AIPoint p) const;

    // What was asked to be redrawn since the last take; zoom changes redraw it all.
    void invalidate(const AIRealRect& rect) { invalid_.add(rect); }
    std::vector<AIRealRect> takeInvalidated() { return invalid_.take(); }
    int redraws() const { return redraws_; }

private:
    int width_ = 700, height_ = 942;
    AIReal zoom_ = 1;
    AIRealPoint centre_;
    Invalidations<AIRealRect, true> invalid_;
    int redraws_ = 0;
};

} // namespace host
