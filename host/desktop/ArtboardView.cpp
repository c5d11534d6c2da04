#include "ArtboardView.h"

#include "BandBalance.h"
#include "Host.h"
#include "ViewPng.h"

#include <cairo.h>

#include <cmath>

namespace host::desktop {

namespace {

// The toolkit's modifier keys as a tool message carries them.
ai_uint16 toolModifiers(uint32_t flags)
{
    ai_uint16 bits = 0;
    if (flags & ns::ShiftKeyMask)
        bits |= aiEventModifiers_shiftKey;
    if (flags & ns::AlternateKeyMask)
        bits |= aiEventModifiers_optionKey;
    if (flags & ns::CommandKeyMask)
        bits |= aiEventModifiers_cmdKey;
    if (flags & ns::ControlKeyMask)
        bits |= aiEventModifiers_controlKey;
    return bits;
}

// A zoom step of the wheel and of the keys.
constexpr AIReal kZoomStep = 1.25f;
// Pixels scrolled per line of the wheel.
constexpr AIReal kScrollLine = 40;

} // namespace

ArtboardView::ArtboardView(Host& host, ns::Rect frame) : ns::View(frame), host_(host)
{
    setIdentifier("artboard");
}

ArtboardView::~ArtboardView()
{
    if (kept_ != nullptr)
        cairo_surface_destroy(kept_);
}

void ArtboardView::fitDocumentView()
{
    DocumentView& view = host_.documentView();
    const int width = static_cast<int>(std::lround(frame().size.width));
    const int height = static_cast<int>(std::lround(frame().size.height));
    // The page fits the first time; a window resized later keeps what it shows centred.
    if (!laidOut_)
        view.fitInto(width, height);
    else if (view.width() != width || view.height() != height)
        view.resize(width, height);
    laidOut_ = true;
}

uint64_t ArtboardView::version()
{
    // What the view's suite or an annotator said to draw again (a rubber band that moved).
    const bool viewInvalidated = !host_.documentView().takeInvalidated().empty();
    const bool invalidated = !host_.annotators().takeInvalidated().empty() || viewInvalidated;
    if (invalidated || host_.document().changes() != seenDocument_ || host_.documentView().changes() != seenView_ ||
        host_.selection().changes() != seenSelection_ || host_.typeTool().changes() != seenTyping_) {
        seenDocument_ = host_.document().changes();
        seenView_ = host_.documentView().changes();
        seenSelection_ = host_.selection().changes();
        seenTyping_ = host_.typeTool().changes();
        ++version_;
    }
    return version_;
}

void ArtboardView::drawRect(const ns::Rect&)
{
    ns::GraphicsContext* context = ns::GraphicsContext::currentContext();
    if (context == nullptr)
        return;
    cairo_t* c = context->cairo();
    const DocumentView& view = host_.documentView();
    cairo_save(c);
    // View pixels: y downward from the top-left corner.
    cairo_translate(c, 0, frame().size.height);
    cairo_scale(c, 1, -1);
    double sx = 1, sy = 0;
    cairo_user_to_device_distance(c, &sx, &sy);
    const double scale = std::hypot(sx, sy);
    const int width = static_cast<int>(std::ceil(view.width() * scale));
    const int height = static_cast<int>(std::ceil(view.height() * scale));
    // The picture is drawn again over the one kept, whole, while the size holds.
    const bool sized = kept_ != nullptr && cairo_image_surface_get_width(kept_) == width &&
                       cairo_image_surface_get_height(kept_) == height;
    if (!sized) {
        if (kept_ != nullptr)
            cairo_surface_destroy(kept_);
        kept_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    }
    if (!sized || keptDocument_ != host_.document().changes() || keptView_ != view.changes() || keptScale_ != scale) {
        balance_.measured(render::drawViewInBands(kept_, scale, host_.document(), host_.fonts(), view,
                                                  balance_.rows(height, render::bandsFor(height))));
        keptDocument_ = host_.document().changes();
        keptView_ = view.changes();
        keptScale_ = scale;
    }
    cairo_save(c);
    cairo_scale(c, 1 / scale, 1 / scale);
    cairo_set_source_surface(c, kept_, 0, 0);
    cairo_set_operator(c, CAIRO_OPERATOR_SOURCE);
    cairo_paint(c);
    cairo_restore(c);
    const render::TypingMarks typing = render::typingMarksOf(host_.typeTool());
    render::drawSelection(c, host_.document(), host_.selection().art(), view, typing.frame);
    render::drawTyping(c, host_.document(), host_.fonts(), typing, view, scale);
    render::drawAnnotations(c, host_.drawAnnotations(), view);
    cairo_restore(c);
}

void ArtboardView::send(ToolEventKind kind, const ns::Event& event)
{
    const ns::Point p = convertPointFromWindow(event.locationInWindow());
    const AIRealPoint at = host_.documentView().viewToArtwork(static_cast<AIReal>(p.x),
                                                               static_cast<AIReal>(frame().size.height - p.y));
    host_.toolEvents().send(kind, at, toolModifiers(event.modifierFlags()));
}

void ArtboardView::mouseDown(const ns::Event& event)
{
    send(ToolEventKind::MouseDown, event);
}

void ArtboardView::mouseDragged(const ns::Event& event)
{
    send(ToolEventKind::MouseDrag, event);
}

void ArtboardView::mouseUp(const ns::Event& event)
{
    send(ToolEventKind::MouseUp, event);
}

void ArtboardView::keyDown(const ns::Event& event)
{
    // While a text is typed into, the keys are its own.
    if (host_.typeTool().editing()) {
        host_.typeTool().keyDown(event);
        return;
    }
    const Tool* tool = host_.tools().selected();
    if (tool == nullptr || !host_.selection().handles(*tool))
        return;
    const AIReal step = (event.modifierFlags() & ns::ShiftKeyMask) != 0 ? 10 : 1;
    switch (event.keyCode()) {
    case ns::KeyLeft:
        host_.selection().move(-step, 0);
        break;
    case ns::KeyRight:
        host_.selection().move(step, 0);
        break;
    case ns::KeyUp:
        host_.selection().move(0, step);
        break;
    case ns::KeyDown:
        host_.selection().move(0, -step);
        break;
    case ns::KeyDelete:
    case ns::KeyForwardDelete:
        host_.selection().remove();
        break;
    default:
        break;
    }
}

void ArtboardView::mouseMoved(const ns::Event& event)
{
    send(ToolEventKind::TrackCursor, event);
}

void ArtboardView::scrollWheel(const ns::Event& event)
{
    DocumentView& view = host_.documentView();
    if (event.modifierFlags() & ns::CommandKeyMask) {
        if (event.deltaY() != 0)
            view.setZoom(view.zoom() * (event.deltaY() > 0 ? kZoomStep : 1 / kZoomStep));
        return;
    }
    view.scrollBy(static_cast<AIReal>(-event.deltaX() * kScrollLine), static_cast<AIReal>(-event.deltaY() * kScrollLine));
}

} // namespace host::desktop
