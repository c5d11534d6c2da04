#include "Painting.h"

#include "AtomicFile.h"
#include "Colors.h"
#include "Scene.h"
#include "document/Unicode.h"

#include <cmath>
#include <cstdio>

namespace host::render {

namespace {

// The largest type size, in pixels of the picture, that is drawn: about three times the
// widest picture (the artboard at scale 16).
constexpr double kLargestTextPixels = 32768;

bool setSource(cairo_t* cairo, const AIColor& color)
{
    Rgb rgb{};
    if (!displayColor(color, rgb))
        return false;
    cairo_set_source_rgb(cairo, rgb.red, rgb.green, rgb.blue);
    return true;
}

class PngPainter {
public:
    PngPainter(const doc::Document& document, const doc::FontList& fonts, cairo_t* cairo)
        : document_(document), fonts_(fonts), cairo_(cairo)
    {
    }

    void paint()
    {
        for (AILayerHandle handle : layersBottomUp(document_)) {
            const doc::Layer& layer = *document_.layer(handle);
            if (layer.visible)
                art(*document_.art(layer.group));
        }
    }

private:
    void art(const doc::Art& art)
    {
        switch (art.kind) {
        case doc::ArtKind::LayerGroup:
        case doc::ArtKind::Group:
            for (AIArtHandle child : art.children)
                this->art(*document_.art(child));
            return;
        case doc::ArtKind::Path:
            path(art);
            return;
        case doc::ArtKind::Text:
            text(art);
            return;
        }
    }

    void outline(const doc::Art& art)
    {
        const auto& s = art.segments;
        cairo_new_path(cairo_);
        for (size_t i = 0; i < s.size(); ++i) {
            if (i == 0)
                cairo_move_to(cairo_, s[0].p.h, s[0].p.v);
            else if (straightBetween(s[i - 1], s[i]))
                cairo_line_to(cairo_, s[i].p.h, s[i].p.v);
            else
                cairo_curve_to(cairo_, s[i - 1].out.h, s[i - 1].out.v, s[i].in.h, s[i].in.v, s[i].p.h, s[i].p.v);
        }
        if (art.closed && s.size() > 1) {
            if (!straightBetween(s.back(), s.front()))
                cairo_curve_to(cairo_, s.back().out.h, s.back().out.v, s.front().in.h, s.front().in.v, s.front().p.h,
                               s.front().p.v);
            cairo_close_path(cairo_);
        }
    }

    void path(const doc::Art& art)
    {
        if (art.segments.empty())
            return;
        const AIPathStyle& style = art.style;
        outline(art);
        if (style.fillPaint && setSource(cairo_, style.fill.color)) {
            cairo_set_fill_rule(cairo_, style.evenodd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
            cairo_fill_preserve(cairo_);
        }
        if (style.strokePaint && setSource(cairo_, style.stroke.color)) {
            static const cairo_line_cap_t caps[] = {CAIRO_LINE_CAP_BUTT, CAIRO_LINE_CAP_ROUND, CAIRO_LINE_CAP_SQUARE};
            static const cairo_line_join_t joins[] = {CAIRO_LINE_JOIN_MITER, CAIRO_LINE_JOIN_ROUND,
                                                      CAIRO_LINE_JOIN_BEVEL};
            const AIStrokeStyle& stroke = style.stroke;
            cairo_set_line_width(cairo_, stroke.width);
            cairo_set_line_cap(cairo_, stroke.cap >= 0 && stroke.cap < 3 ? caps[stroke.cap] : CAIRO_LINE_CAP_BUTT);
            cairo_set_line_join(cairo_, stroke.join >= 0 && stroke.join < 3 ? joins[stroke.join] : CAIRO_LINE_JOIN_MITER);
            cairo_set_miter_limit(cairo_, stroke.miterLimit);
            // Cairo refuses dashes that are all 0 long and would then draw nothing more of
            // the picture: those draw solid.
            double dashes[kMaxDashComponents];
            const int count = dashed(stroke) ? dashCount(stroke) : 0;
            for (int i = 0; i < count; ++i)
                dashes[i] = stroke.dash.array[i];
            cairo_set_dash(cairo_, dashes, count, stroke.dash.offset);
            cairo_stroke_preserve(cairo_);
        }
        cairo_new_path(cairo_);
    }

    void text(const doc::Art& art)
    {
        TextLook look = textLook(art, fonts_);
        look.text = oneLine(look.text);
        if (look.text.empty() || !setSource(cairo_, look.fill))
            return;
        // A type size many times the largest picture shows no more than a blur of one glyph,
        // and cairo loses the memory of a font that large.
        double across = 0, down = look.size;
        cairo_user_to_device_distance(cairo_, &across, &down);
        if (!(std::hypot(across, down) <= kLargestTextPixels))
            return;
        cairo_save(cairo_);
        cairo_translate(cairo_, art.anchor.h, art.anchor.v);
        cairo_scale(cairo_, 1, -1); // text stands upright on the artboard
        cairo_select_font_face(cairo_, look.family.empty() ? "sans-serif" : look.family.c_str(),
                               CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cairo_, look.size);
        cairo_text_extents_t extents;
        cairo_text_extents(cairo_, look.text.c_str(), &extents);
        cairo_move_to(cairo_, textStart(0, extents.x_advance, alignmentOf(look.justification)), 0);
        cairo_show_text(cairo_, look.text.c_str());
        cairo_restore(cairo_);
    }

    const doc::Document& document_;
    const doc::FontList& fonts_;
    cairo_t* cairo_;
};

cairo_status_t writeToFile(void* closure, const unsigned char* data, unsigned int length)
{
    return std::fwrite(data, 1, length, static_cast<std::FILE*>(closure)) == length ? CAIRO_STATUS_SUCCESS
                                                                                     : CAIRO_STATUS_WRITE_ERROR;
}

} // namespace

std::string oneLine(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const char32_t c = doc::nextCodePoint(utf8, i);
        if (c == '\t' || c == '\n' || c == '\r')
            out += ' ';
        else
            doc::appendUtf8(out, c < 0x20 || c == 0xFFFE || c == 0xFFFF ? char32_t{0xFFFD} : c);
    }
    return out;
}

void paintDocument(cairo_t* cairo, const doc::Document& document, const doc::FontList& fonts)
{
    PngPainter(document, fonts, cairo).paint();
}

std::string writePng(cairo_surface_t* surface, const std::filesystem::path& path)
{
    return writeAtomically(path, [&](std::FILE* file) { return writePngTo(surface, file); });
}

bool writePngTo(cairo_surface_t* surface, std::FILE* file)
{
    return cairo_surface_write_to_png_stream(surface, writeToFile, file) == CAIRO_STATUS_SUCCESS;
}

} // namespace host::render
