// The artboard in the document window: the document view's picture with what the
// annotators draw over it, and the pointer's events for the selected tool. The document is
// drawn once into a picture kept until it, the view or the scale changes: while only the
// rubber band moves, a frame is that picture and the annotations. The picture is drawn in
// bands, a thread each, cut where each took as long as the others the times before.
#pragma once

#include "BandBalance.h"
#include "ToolEvents.h"
#include "View.h"

#include <cstdint>
#include <memory>

typedef struct _cairo_surface cairo_surface_t;

namespace host {
class Host;
}

namespace host::desktop {

class ArtboardView : public ns::View {
public:
    ArtboardView(Host& host, ns::Rect frame);
    ~ArtboardView() override;

    void drawRect(const ns::Rect& dirty) override;
    void mouseDown(const ns::Event& event) override;
    void mouseDragged(const ns::Event& event) override;
    void mouseUp(const ns::Event& event) override;
    void mouseMoved(const ns::Event& event) override;
    // The wheel scrolls; with Command it zooms.
    void scrollWheel(const ns::Event& event) override;
    // While a text is typed into with the Type tool, the keys go to it (TypeTool::keyDown).
    // Otherwise, with the selection tool, the arrows nudge what is picked by a point (with
    // Shift, ten) and Delete takes it away.
    bool acceptsFirstResponder() const override { return true; }
    void keyDown(const ns::Event& event) override;

    // The document view made the view's size: the page fitted the first time, the zoom and the
    // centre kept afterwards.
    void fitDocumentView();
    // A key of what the view shows: it moves whenever the picture would change (the
    // document, the view, or a part of it the plug-ins asked to redraw).
    uint64_t version();

private:
    // The event's message to the selected tool, at the artwork point under the pointer.
    void send(ToolEventKind kind, const ns::Event& event);

    Host& host_;
    cairo_surface_t* kept_ = nullptr;
    // Where the picture's bands begin, from what they took the times before.
    render::BandBalance balance_;
    uint64_t keptDocument_ = UINT64_MAX;
    int keptView_ = -1;
    double keptScale_ = 0;
    uint64_t version_ = 1, seenDocument_ = 0;
    int seenView_ = 0;
    bool laidOut_ = false;
    uint64_t seenSelection_ = 0;
    uint64_t seenTyping_ = 0;
};

} // namespace host::desktop
