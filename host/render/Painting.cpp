#include "Painting.h"

#include "AtomicFile.h"
#include "Colors.h"
#include "GlyphMasks.h"
#include "RuleBoxes.h"
#include "Scene.h"
#include "document/Unicode.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

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
        if (glyphs_) {
            // What lies wholly outside the part of the picture being drawn is passed over; a
            // pixel and a little more of margin for the antialiasing.
            double left = 0, top = 0, right = 0, bottom = 0;
            cairo_clip_extents(cairo_, &left, &top, &right, &bottom);
            double across = 2, down = 2;
            cairo_device_to_user_distance(cairo_, &across, &down);
            const double margin = std::hypot(across, down);
            shown_ = Box{std::min(left, right) - margin, std::min(top, bottom) - margin,
                         std::max(left, right) + margin, std::max(top, bottom) + margin};
            cairo_matrix_t toDevice;
            cairo_get_matrix(cairo_, &toDevice);
            upright_ = toDevice.xy == 0 && toDevice.yx == 0;
        }
        for (AILayerHandle handle : layersBottomUp(document_)) {
            const doc::Layer& layer = *document_.layer(handle);
            if (layer.visible)
                art(*document_.art(layer.group));
        }
        flushRules();
        flushText();
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

    void outline(const doc::PathPart& shape)
    {
        const auto& s = shape.segments;
        cairo_new_path(cairo_);
        for (size_t i = 0; i < s.size(); ++i) {
            if (i == 0)
                cairo_move_to(cairo_, s[0].p.h, s[0].p.v);
            else if (straightBetween(s[i - 1], s[i]))
                cairo_line_to(cairo_, s[i].p.h, s[i].p.v);
            else
                cairo_curve_to(cairo_, s[i - 1].out.h, s[i - 1].out.v, s[i].in.h, s[i].in.v, s[i].p.h, s[i].p.v);
        }
        if (shape.closed && s.size() > 1) {
            if (!straightBetween(s.back(), s.front()))
                cairo_curve_to(cairo_, s.back().out.h, s.back().out.v, s.front().in.h, s.front().in.v, s.front().p.h,
                               s.front().p.v);
            cairo_close_path(cairo_);
        }
    }

    // A box in artwork coordinates.
    struct Box {
        double left, bottom, right, top;
        bool meets(const Box& other) const
        {
            return left <= other.right && other.left <= right && bottom <= other.top && other.bottom <= top;
        }
    };

    // What the painter reads of a path's style, worked out again only when a path's style is
    // another record than the last one's: a table's thousands of rules share one.
    struct StyleLook {
        const AIPathStyle* style = nullptr;
        bool solidStroke = false; // stroked without dashes, not filled: a rule's paint
        bool strokeShown = false; // its stroke's colour has a colour on the display
        Rgb strokeColor{};
        double reach = 0; // how far the stroke reaches beyond the points; 0 unstroked
    };

    const StyleLook& lookOf(const AIPathStyle& style)
    {
        if (look_.style == &style)
            return look_;
        look_.style = &style;
        look_.solidStroke = !style.fillPaint && style.strokePaint && !dashed(style.stroke);
        look_.strokeShown = displayColor(style.stroke.color, look_.strokeColor);
        look_.reach = style.strokePaint ? style.stroke.width / 2.0 * std::max<double>(style.stroke.miterLimit, 1.5) : 0;
        return look_;
    }

    // Whether any of the path's paint may fall on what is drawn: its points and control points
    // hold the curves, and the stroke reaches at most half its width times the miter limit (or
    // the corner of a square end) beyond them.
    bool pathShown(const doc::PathPart& shape, const StyleLook& look) const
    {
        if (!shown_)
            return true;
        Box box{INFINITY, INFINITY, -INFINITY, -INFINITY};
        for (const AIPathSegment& segment : shape.segments)
            for (const AIRealPoint& point : {segment.p, segment.in, segment.out}) {
                box.left = std::min<double>(box.left, point.h);
                box.right = std::max<double>(box.right, point.h);
                box.bottom = std::min<double>(box.bottom, point.v);
                box.top = std::max<double>(box.top, point.v);
            }
        if (look.reach != 0) {
            if (!(look.reach >= 0 && look.reach < 1e9))
                return true;
            box = Box{box.left - look.reach, box.bottom - look.reach, box.right + look.reach, box.top + look.reach};
        }
        return !(box.left <= box.right) || box.meets(*shown_);
    }

    // What is drawn together is decided as if nothing were passed over: art outside the part
    // drawn counts in the runs of rules and texts without being set. A pixel's value then does
    // not depend on where the bands of a picture begin and end.
    void path(const doc::Art& art)
    {
        const doc::PathPart& shape = art.path();
        if (shape.segments.empty())
            return;
        flushText();
        const AIPathStyle& style = shape.style.get();
        const StyleLook& look = lookOf(style);
        const bool shown = pathShown(shape, look);
        if (glyphs_ && rule(shape, look) && look.strokeShown) {
            // Cairo strokes a path wholly along the pixels' rows and columns by another way
            // than any other, each exact in its own way: a run holds rules of one kind. Rules
            // of the run's own style are of its colour and stroke.
            const bool along = alongThePixels(shape.segments[0].p, shape.segments[1].p);
            if (rules_ > 0 && (along != rulesAlong_ ||
                               (&style != rulesStyle_ && (!sameRgb(look.strokeColor, rulesColor_) ||
                                                          !sameStroke(style.stroke, rulesStroke_)))))
                flushRules();
            if (rules_ == 0 || &style != rulesStyle_) {
                rulesColor_ = look.strokeColor;
                rulesStroke_ = style.stroke;
                rulesStyle_ = &style;
            }
            rulesAlong_ = along;
            if (shown)
                rulesSet_.push_back({shape.segments[0].p.h, shape.segments[0].p.v, shape.segments[1].p.h,
                                     shape.segments[1].p.v});
            if (++rules_ == kMostRules)
                flushRules();
            return;
        }
        flushRules();
        if (!shown)
            return;
        outline(shape);
        if (style.fillPaint && setSource(cairo_, style.fill.color)) {
            cairo_set_fill_rule(cairo_, style.evenodd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
            cairo_fill_preserve(cairo_);
        }
        if (style.strokePaint && setSource(cairo_, style.stroke.color)) {
            setStroke(style.stroke);
            cairo_stroke_preserve(cairo_);
        }
        cairo_new_path(cairo_);
    }

    // A rule: an open straight line between two points, stroked solid and not filled. A
    // table's rules, one after another in one paint, are stroked together.
    static bool rule(const doc::PathPart& shape, const StyleLook& look)
    {
        const auto& s = shape.segments;
        return look.solidStroke && s.size() == 2 && !shape.closed && straightBetween(s[0], s[1]);
    }

    // Whether cairo takes the line between the two points for one along a row or a column of
    // pixels: its ends on one, in device space, to cairo's 1/256 of a pixel.
    bool alongThePixels(const AIRealPoint& a, const AIRealPoint& b) const
    {
        // Where the device's axes are the artwork's, ends level or plumb in the artwork are so
        // on the device, and a table's rules, nearly all the art, are told at once.
        if (upright_ && (a.h == b.h || a.v == b.v))
            return true;
        double ax = a.h, ay = a.v, bx = b.h, by = b.v;
        cairo_user_to_device(cairo_, &ax, &ay);
        cairo_user_to_device(cairo_, &bx, &by);
        const auto fixed = [](double v) { return std::llround(v * 256); };
        return fixed(ax) == fixed(bx) || fixed(ay) == fixed(by);
    }

    // Whether two strokes are drawn alike, colour apart.
    static bool sameStroke(const AIStrokeStyle& a, const AIStrokeStyle& b)
    {
        const int count = dashed(a) ? dashCount(a) : 0;
        return a.width == b.width && a.cap == b.cap && a.join == b.join && a.miterLimit == b.miterLimit &&
               count == (dashed(b) ? dashCount(b) : 0) &&
               (count == 0 ||
                (a.dash.offset == b.dash.offset && std::equal(a.dash.array, a.dash.array + count, b.dash.array)));
    }

    void flushRules()
    {
        if (rules_ == 0)
            return;
        if (!rulesSet_.empty()) {
            cairo_set_source_rgb(cairo_, rulesColor_.red, rulesColor_.green, rulesColor_.blue);
            setStroke(rulesStroke_);
            if (!ruleBoxes_.stroke(cairo_, rulesSet_)) {
                cairo_new_path(cairo_);
                for (const RuleBoxes::Line& line : rulesSet_) {
                    cairo_move_to(cairo_, line.x0, line.y0);
                    cairo_line_to(cairo_, line.x1, line.y1);
                }
                cairo_stroke(cairo_);
            }
        }
        rules_ = 0;
        rulesSet_.clear();
    }

    // The stroke's width, ends, joins and dashes, set only where they differ from the last
    // path's: a table's thousands of rules share them.
    void setStroke(const AIStrokeStyle& stroke)
    {
        if (lastStroke_ && sameStroke(stroke, *lastStroke_))
            return;
        static const cairo_line_cap_t caps[] = {CAIRO_LINE_CAP_BUTT, CAIRO_LINE_CAP_ROUND, CAIRO_LINE_CAP_SQUARE};
        static const cairo_line_join_t joins[] = {CAIRO_LINE_JOIN_MITER, CAIRO_LINE_JOIN_ROUND, CAIRO_LINE_JOIN_BEVEL};
        cairo_set_line_width(cairo_, stroke.width);
        cairo_set_line_cap(cairo_, stroke.cap >= 0 && stroke.cap < 3 ? caps[stroke.cap] : CAIRO_LINE_CAP_BUTT);
        cairo_set_line_join(cairo_, stroke.join >= 0 && stroke.join < 3 ? joins[stroke.join] : CAIRO_LINE_JOIN_MITER);
        cairo_set_miter_limit(cairo_, stroke.miterLimit);
        // Cairo refuses dashes that are all 0 long and would then draw nothing more of the
        // picture: those draw solid.
        const int count = dashed(stroke) ? dashCount(stroke) : 0;
        double dashes[kMaxDashComponents];
        for (int i = 0; i < count; ++i)
            dashes[i] = stroke.dash.array[i];
        cairo_set_dash(cairo_, dashes, count, stroke.dash.offset);
        lastStroke_ = stroke;
    }

    void text(const doc::Art& art)
    {
        if (!glyphs_) {
            textAsString(art);
            return;
        }
        const doc::PointText& frame = art.pointText();
        const TextFeatures features = textFeatures(art, fonts_);
        Rgb color{};
        if (frame.text.empty() || !largeOnce(features.size) || !displayColor(features.fill, color))
            return;
        const GlyphRun* run = runOf(features.font, features.size, frame.text);
        if (run == nullptr)
            return;
        const double start = textStart(0, run->advance, alignmentOf(features.justification));
        flushRules();
        if (texts_ > 0 && (run->font != batchFont_ || !sameRgb(color, batchColor_)))
            flushText();
        batchFont_ = run->font;
        batchColor_ = color;
        ++texts_;
        // The ink, upright from the anchor: y goes down in the text's own space.
        if (shown_ && !Box{frame.anchor.h + start + run->ink.x_bearing,
                           frame.anchor.v - run->ink.y_bearing - run->ink.height,
                           frame.anchor.h + start + run->ink.x_bearing + run->ink.width,
                           frame.anchor.v - run->ink.y_bearing}
                           .meets(*shown_))
            return;
        // Set in the artboard's space turned upside down, where the text stands upright.
        for (cairo_glyph_t glyph : run->glyphs)
            batch_.push_back({glyph.index, frame.anchor.h + start + glyph.x, glyph.y - frame.anchor.v});
    }

    static bool sameRgb(const Rgb& a, const Rgb& b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }

    // Draws the texts set since the last path, in one font and colour, at once: where their
    // glyphs do not overlap, as each text alone would draw them.
    void flushText()
    {
        texts_ = 0;
        if (batch_.empty())
            return;
        cairo_save(cairo_);
        cairo_scale(cairo_, 1, -1);
        cairo_set_source_rgb(cairo_, batchColor_.red, batchColor_.green, batchColor_.blue);
        cairo_set_scaled_font(cairo_, batchFont_);
        if (!masks_.show(cairo_, batch_.data(), static_cast<int>(batch_.size())))
            cairo_show_glyphs(cairo_, batch_.data(), static_cast<int>(batch_.size()));
        cairo_restore(cairo_);
        batch_.clear();
    }

    // Text drawn as a string, for surfaces that keep what the text says (PDF).
    void textAsString(const doc::Art& art)
    {
        TextLook look = textLook(art, fonts_);
        look.text = oneLine(look.text);
        if (look.text.empty() || !large(look.size) || !setSource(cairo_, look.fill))
            return;
        cairo_save(cairo_);
        const AIRealPoint& anchor = art.pointText().anchor;
        cairo_translate(cairo_, anchor.h, anchor.v);
        cairo_scale(cairo_, 1, -1); // text stands upright on the artboard
        selectFamily(cairo_, look.family);
        cairo_set_font_size(cairo_, look.size);
        cairo_text_extents_t extents;
        cairo_text_extents(cairo_, look.text.c_str(), &extents);
        cairo_move_to(cairo_, textStart(0, extents.x_advance, alignmentOf(look.justification)), 0);
        cairo_show_text(cairo_, look.text.c_str());
        cairo_restore(cairo_);
    }

    // Whether type of that size is drawn: a size many times the largest picture shows no more
    // than a blur of one glyph, and cairo loses the memory of a font that large.
    bool large(double size) const
    {
        double across = 0, down = size;
        cairo_user_to_device_distance(cairo_, &across, &down);
        return std::hypot(across, down) <= kLargestTextPixels;
    }

    // The same for each text of the last one's size, as a table's texts mostly are.
    bool largeOnce(double size)
    {
        if (size != largeSize_) {
            largeSize_ = size;
            large_ = large(size);
        }
        return large_;
    }

    // The glyphs of a text in a font and size, set from the origin, with the text's advance:
    // worked out once per picture, as a table repeats the same texts thousands of times.
    struct GlyphRun {
        cairo_scaled_font_t* font = nullptr; // held by the painter's fonts
        std::vector<cairo_glyph_t> glyphs;
        double advance = 0;
        cairo_text_extents_t ink{}; // from the origin, y downward
    };
    struct RunKey {
        int font;
        double size;
        std::u16string text;
        bool operator==(const RunKey&) const = default;
    };
    struct RunHash {
        size_t operator()(const RunKey& key) const
        {
            return std::hash<std::u16string>()(key.text) ^ (std::hash<double>()(key.size) * 31) ^
                   static_cast<size_t>(key.font);
        }
    };

    // Null when cairo cannot set the text (the font failed): it then draws nothing, as before.
    // The last text's run answers again without a search: a table's cells mostly say the same.
    const GlyphRun* runOf(int font, double size, const std::u16string& text)
    {
        if (lastRun_ != nullptr && lastRun_->first.font == font && lastRun_->first.size == size &&
            lastRun_->first.text == text)
            return lastRun_->second ? &*lastRun_->second : nullptr;
        RunKey key{font, size, text};
        if (auto found = runs_.find(key); found != runs_.end()) {
            lastRun_ = &*found;
            return lastRun_->second ? &*lastRun_->second : nullptr;
        }
        std::optional<GlyphRun> run;
        if (cairo_scaled_font_t* scaled = scaledFont(font, size)) {
            const std::string line = oneLine(doc::utf16ToUtf8(text));
            cairo_glyph_t* glyphs = nullptr;
            int count = 0;
            if (cairo_scaled_font_text_to_glyphs(scaled, 0, 0, line.c_str(), static_cast<int>(line.size()), &glyphs,
                                                 &count, nullptr, nullptr, nullptr) == CAIRO_STATUS_SUCCESS) {
                cairo_text_extents_t extents;
                cairo_scaled_font_glyph_extents(scaled, glyphs, count, &extents);
                run = GlyphRun{scaled, std::vector<cairo_glyph_t>(glyphs, glyphs + count), extents.x_advance, extents};
            }
            cairo_glyph_free(glyphs);
        }
        lastRun_ = &*runs_.emplace(std::move(key), std::move(run)).first;
        return lastRun_->second ? &*lastRun_->second : nullptr;
    }

    // The font of that family and size as the picture sets upright text: once per picture.
    cairo_scaled_font_t* scaledFont(int font, double size)
    {
        const std::pair<int, double> key{font, size};
        for (const auto& [made, scaled] : scaledFonts_)
            if (made == key)
                return scaled.get();
        cairo_save(cairo_);
        cairo_scale(cairo_, 1, -1);
        selectFamily(cairo_, familyOf(font, fonts_));
        cairo_set_font_size(cairo_, size);
        cairo_scaled_font_t* scaled = cairo_scaled_font_reference(cairo_get_scaled_font(cairo_));
        cairo_restore(cairo_);
        if (cairo_scaled_font_status(scaled) != CAIRO_STATUS_SUCCESS) {
            cairo_scaled_font_destroy(scaled);
            scaled = nullptr;
        }
        scaledFonts_.emplace_back(key, ScaledFont(scaled));
        return scaled;
    }

    struct ScaledFontDeleter {
        void operator()(cairo_scaled_font_t* font) const { cairo_scaled_font_destroy(font); }
    };
    using ScaledFont = std::unique_ptr<cairo_scaled_font_t, ScaledFontDeleter>;

    const doc::Document& document_;
    const doc::FontList& fonts_;
    cairo_t* cairo_;
    // Glyphs are set once per text and font on pictures of pixels; other surfaces are given
    // the text itself.
    const bool glyphs_ = cairo_surface_get_type(cairo_get_target(cairo_)) == CAIRO_SURFACE_TYPE_IMAGE;
    std::vector<std::pair<std::pair<int, double>, ScaledFont>> scaledFonts_;
    using Runs = std::unordered_map<RunKey, std::optional<GlyphRun>, RunHash>;
    Runs runs_;
    Runs::value_type* lastRun_ = nullptr; // the last text's: the map's entries stay where they are
    double largeSize_ = NAN;               // the last text's size, and whether it is drawn
    bool large_ = false;
    // Rules of a run not yet stroked, in one colour and stroke. Cairo sorts a stroke's edges at
    // a cost that grows faster than their number: a few dozen at a time cost the least. The
    // runs are the same where the rules are drawn as boxes, as where rules of a run overlap
    // their pixels depend on what is stroked together.
    static constexpr int kMostRules = 64;
    int rules_ = 0;                          // in the run, set or passed over
    std::vector<RuleBoxes::Line> rulesSet_;  // of them, those that may show
    RuleBoxes ruleBoxes_; // strokes them where it gives cairo's pixels, without its stroker
    Rgb rulesColor_{};
    AIStrokeStyle rulesStroke_{};
    const AIPathStyle* rulesStyle_ = nullptr; // a style whose rules the run may take
    bool rulesAlong_ = false; // along the pixels' rows and columns
    // Texts set and not yet drawn, in one font and colour; texts_ counts those passed over too.
    std::vector<cairo_glyph_t> batch_;
    GlyphMasks masks_; // draws them where it gives cairo's pixels, without its glyph lock
    int texts_ = 0;
    cairo_scaled_font_t* batchFont_ = nullptr;
    Rgb batchColor_{};
    std::optional<Box> shown_; // what is drawn, where pictures of pixels pass over the rest
    bool upright_ = false;     // whether the device's axes are the artwork's, scaled and moved
    std::optional<AIStrokeStyle> lastStroke_; // the stroke cairo holds, none before the first
    StyleLook look_; // of the last path's style
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

void selectFamily(cairo_t* cairo, const std::string& family)
{
    cairo_select_font_face(cairo, family.empty() ? "sans-serif" : family.c_str(), CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_NORMAL);
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
