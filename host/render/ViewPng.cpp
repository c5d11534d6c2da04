#include "ViewPng.h"

#include "Painting.h"
#include "TextMeasure.h"

#include <algorithm>
#include <cmath>

namespace host::render {

namespace {

void setColor(cairo_t* cairo, const AIRGBColor& color)
{
    cairo_set_source_rgb(cairo, color.red / 65535.0, color.green / 65535.0, color.blue / 65535.0);
}

// The rectangle cut to the view with a margin wider than any line that shows: a plug-in may
// give corners far outside, and a dashed outline millions of pixels long would take cairo
// ages to draw for nothing.
AIRect withinView(const AIRect& rect, const DocumentView& view, double lineWidth)
{
    const double margin = 2 * kAnnotationDash + std::min(lineWidth, 1e6);
    const auto cut = [&](ai_int32 value, int size) {
        return static_cast<ai_int32>(std::clamp<double>(value, -margin, size + margin));
    };
    return {cut(rect.left, view.width()), cut(rect.top, view.height()), cut(rect.right, view.width()),
            cut(rect.bottom, view.height())};
}

void annotate(cairo_t* cairo, const DrawnItem& item, const DocumentView& view)
{
    cairo_save(cairo);
    setColor(cairo, item.state.color);
    // Whole pixels, unblurred, as the interface draws its marks.
    cairo_set_antialias(cairo, CAIRO_ANTIALIAS_NONE);
    const AIRect r = withinView(item.rect, view, item.state.lineWidth);
    switch (item.kind) {
    case DrawnItem::Kind::Fill:
        cairo_rectangle(cairo, r.left, r.top, static_cast<double>(r.right) - r.left + 1,
                        static_cast<double>(r.bottom) - r.top + 1);
        cairo_fill(cairo);
        break;
    case DrawnItem::Kind::Outline: {
        if (item.state.lineWidth <= 0)
            break; // a line of no width shows nothing
        cairo_set_line_width(cairo, item.state.lineWidth);
        const double dashes[] = {kAnnotationDash, kAnnotationDash};
        cairo_set_dash(cairo, dashes, item.state.dashed ? 2 : 0, 0);
        cairo_rectangle(cairo, r.left + 0.5, r.top + 0.5, static_cast<double>(r.right) - r.left,
                        static_cast<double>(r.bottom) - r.top);
        cairo_stroke(cairo);
        break;
    }
    case DrawnItem::Kind::Text: {
        const AnnotationFont* font = annotationFont(item.state.fontPreset);
        const std::string text = oneLine(item.text);
        if (font == nullptr || text.empty())
            break;
        cairo_set_antialias(cairo, CAIRO_ANTIALIAS_GRAY);
        cairo_select_font_face(cairo, font->family, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cairo, font->pixels);
        cairo_move_to(cairo, item.point.h, item.point.v);
        cairo_show_text(cairo, text.c_str());
        break;
    }
    }
    cairo_restore(cairo);
}

} // namespace

void drawView(cairo_t* c, const doc::Document& document, const doc::FontList& fonts, const DocumentView& view)
{
    cairo_save(c);
    cairo_set_source_rgb(c, kPasteboardGray, kPasteboardGray, kPasteboardGray);
    cairo_rectangle(c, 0, 0, view.width(), view.height());
    cairo_fill(c);

    // Artwork coordinates through the view: its top-left corner at the bounds' top-left, y
    // upward, the zoom's pixels per point.
    const AIRealRect bounds = view.bounds();
    cairo_scale(c, view.zoom(), -view.zoom());
    cairo_translate(c, -bounds.left, -bounds.top);
    cairo_set_antialias(c, CAIRO_ANTIALIAS_GRAY);
    cairo_rectangle(c, 0, 0, doc::Document::kArtboardWidth, doc::Document::kArtboardHeight);
    cairo_set_source_rgb(c, 1, 1, 1);
    cairo_fill(c);
    paintDocument(c, document, fonts);
    cairo_restore(c);
}

void drawAnnotations(cairo_t* c, const std::vector<DrawnItem>& annotations, const DocumentView& view)
{
    for (const DrawnItem& item : annotations)
        annotate(c, item, view);
}

void drawSelection(cairo_t* c, const doc::Document& document, const std::vector<AIArtHandle>& picked,
                   const DocumentView& view, AIArtHandle typedInto)
{
    constexpr double kHandle = 5;
    cairo_save(c);
    cairo_set_line_width(c, 1);
    for (AIArtHandle each : picked) {
        AIRealRect box{};
        if (each == typedInto || document.bounds(each, &box) != kNoErr)
            continue;
        const AIPoint a = view.artworkToView({box.left, box.top});
        const AIPoint b = view.artworkToView({box.right, box.bottom});
        // On the pixels' centres, so that a one-pixel line stays one pixel wide.
        const double left = a.h + 0.5, top = a.v + 0.5, right = b.h + 0.5, bottom = b.v + 0.5;
        cairo_set_source_rgb(c, 0.16, 0.44, 0.92);
        cairo_rectangle(c, left, top, right - left, bottom - top);
        cairo_stroke(c);
        const double xs[] = {left, (left + right) / 2, right}, ys[] = {top, (top + bottom) / 2, bottom};
        for (double x : xs)
            for (double y : ys) {
                if (x == xs[1] && y == ys[1])
                    continue;
                cairo_rectangle(c, x - kHandle / 2, y - kHandle / 2, kHandle, kHandle);
                cairo_set_source_rgb(c, 1, 1, 1);
                cairo_fill_preserve(c);
                cairo_set_source_rgb(c, 0.16, 0.44, 0.92);
                cairo_stroke(c);
            }
    }
    cairo_restore(c);
}

TypingMarks typingMarksOf(const TypeTool& tool)
{
    const EditableText* typing = tool.typing();
    if (typing == nullptr)
        return {};
    return {tool.frame(), typing->selectionStart(), typing->selectionEnd(), typing->caret()};
}

void drawTyping(cairo_t* c, const doc::Document& document, const doc::FontList& fonts, const TypingMarks& typing,
                const DocumentView& view, double pixelsPerPoint)
{
    const doc::Art* frame = document.art(typing.frame);
    if (frame == nullptr || frame->kind != doc::ArtKind::Text)
        return;
    const std::vector<double> places = caretPlaces(*frame, fonts, pixelsPerPoint * view.zoom());
    const auto placeOf = [&](size_t offset) { return places[std::min(offset, places.size() - 1)]; };
    // Artwork to view pixels, as drawView maps them.
    const AIRealRect shown = view.bounds();
    const double zoom = view.zoom();
    const double size = frame->pointText().chars.size.value_or(doc::Document::kDefaultFontSize);
    const double x = (static_cast<double>(frame->pointText().anchor.h) - shown.left) * zoom;
    const double top = (shown.top - (frame->pointText().anchor.v + 0.75 * size)) * zoom;
    const double height = size * zoom;
    // Far outside the view nothing shows: cairo is spared rectangles millions of pixels wide.
    if (!(std::fabs(x) < 1e6 && std::fabs(top) < 1e6 && height < 1e6))
        return;
    cairo_save(c);
    if (typing.selectionStart != typing.selectionEnd) {
        const double from = x + placeOf(typing.selectionStart) * zoom, to = x + placeOf(typing.selectionEnd) * zoom;
        cairo_set_source_rgba(c, 0.16, 0.44, 0.92, 0.35);
        cairo_rectangle(c, std::min(from, to), top, std::fabs(to - from), height);
        cairo_fill(c);
    } else {
        // One pixel wide, on whole pixels, unblurred.
        cairo_set_antialias(c, CAIRO_ANTIALIAS_NONE);
        cairo_set_source_rgb(c, 0, 0, 0);
        cairo_rectangle(c, std::floor(x + placeOf(typing.caret) * zoom), std::floor(top), 1, std::ceil(height));
        cairo_fill(c);
    }
    cairo_restore(c);
}

std::string saveViewPng(const doc::Document& document, const doc::FontList& fonts, const DocumentView& view,
                        const std::vector<DrawnItem>& annotations, const std::filesystem::path& path,
                        const std::vector<AIArtHandle>& picked, const TypingMarks& typing)
{
    const Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, view.width(), view.height()));
    const Context cairo(cairo_create(surface.get()));
    if (cairo_status(cairo.get()) != CAIRO_STATUS_SUCCESS)
        return "cannot write " + path.string() + ": " + cairo_status_to_string(cairo_status(cairo.get()));

    cairo_t* c = cairo.get();
    drawView(c, document, fonts, view);
    drawSelection(c, document, picked, view, typing.frame);
    drawTyping(c, document, fonts, typing, view);
    drawAnnotations(c, annotations, view);
    cairo_surface_flush(surface.get());
    // Cairo stops drawing at its first error: such a picture lacks what came after it.
    if (cairo_status(c) != CAIRO_STATUS_SUCCESS)
        return "cannot write " + path.string() + ": " + cairo_status_to_string(cairo_status(c));
    return writePng(surface.get(), path);
}

} // namespace host::render
