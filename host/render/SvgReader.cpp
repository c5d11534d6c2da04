#include "SvgReader.h"

#include "Scene.h"
#include "SvgDictionary.h"
#include "SvgNames.h"
#include "SvgOutlines.h"
#include "SvgSkips.h"
#include "SvgStyle.h"
#include "SvgValues.h"
#include "XmlReader.h"
#include "document/Unicode.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>

namespace host::render {

namespace {

using svg::ElementName;
using svg::Matrix;
using svg::Outline;
using svg::Outlines;
using svg::Own;
using svg::Paint;
using svg::Point;
using svg::SkipKind;
using svg::Style;

// What is said of what the host cannot hold.
constexpr SkipKind kHidden{"a hidden object", "hidden objects", "skipped", "skipped",
                           "the host hides only whole layers"};
constexpr SkipKind kOutOfRange{"an object with a coordinate or size out of range", "objects with coordinates or sizes out of range",
                               "skipped", "skipped", "the host holds finite values within 10000000 points of the origin"};
constexpr SkipKind kBadTransform{"an object whose transform cannot be read", "objects whose transforms cannot be read",
                                 "skipped", "skipped", "where it stands cannot be told"};
constexpr SkipKind kUnreadable{"a value that cannot be read", "values that cannot be read", "left out", "left out",
                               "what is inherited or the default holds instead"};
constexpr SkipKind kCutData{"a shape whose data has an error", "shapes whose data have errors", "drawn up to the error",
                            "drawn up to the error", "what follows cannot be read"};
constexpr SkipKind kNoSize{"a shape of no size", "shapes of no size", "skipped", "skipped", "SVG draws nothing of them"};
constexpr SkipKind kUrlPaint{"a paint by reference (url)", "paints by reference (url)", "left out", "left out",
                             "the host paints flat colours only"};
constexpr SkipKind kParts{"a filled path of several parts", "filled paths of several parts",
                          "made a group of one path per part", "made groups of one path per part",
                          "a host path has one part, so holes one part made in another are filled"};
constexpr SkipKind kSublayer{"a layer inside a layer", "layers inside layers", "read as a group", "read as groups",
                             "the host's layers do not nest"};
constexpr SkipKind kLongDash{"a dash pattern of more than 6 values", "dash patterns of more than 6 values",
                             "cut to its first 6", "cut to their first 6", "the host holds at most 6"};
constexpr SkipKind kTranslucent{"a partly transparent object", "partly transparent objects", "drawn opaque",
                                "drawn opaque", "the host has no transparency"};
constexpr SkipKind kTilted{"a rotated, skewed or mirrored text", "rotated, skewed or mirrored texts", "set level",
                           "set level", "the host sets point text level"};
constexpr SkipKind kFont{"a text in the font {}", "texts in the font {}", "set in the default font",
                         "set in the default font", "the host's font list has no such family"};
constexpr SkipKind kOtherFonts{"a text in another font", "texts in other fonts", "set in the default font",
                               "set in the default font", "the host's font list has no such family"};
constexpr SkipKind kDamagedDictionary{"a damaged dictionary", "damaged dictionaries", "skipped", "skipped",
                                      "a group's dictionary is one JSON object of whole numbers within 32 bits, reals, "
                                      "true or false, and texts, each key once"};
constexpr SkipKind kLargeDictionary{"a dictionary beyond the host's limits", "dictionaries beyond the host's limits",
                                    "skipped", "skipped",
                                    "the host holds at most 200000 entries, keys of 1 to 255 bytes, texts of at most "
                                    "1 MiB, and 8 MiB of keys and texts in all"};
constexpr SkipKind kUnknown{"an element <{}>", "<{}> elements", "skipped", "skipped",
                            "the host does not know this kind of element"};
constexpr SkipKind kOtherUnknown{"an element of another unknown kind", "elements of other unknown kinds", "skipped",
                                 "skipped", "the host does not know these kinds of element"};

// Elements the host does not draw, by kind.
struct NotDrawn {
    std::string_view element;
    SkipKind kind;
};
constexpr SkipKind kDefinitions{"a block of definitions", "blocks of definitions", "skipped", "skipped",
                                "the host keeps nothing to refer to"};
constexpr SkipKind kGradients{"a gradient or pattern", "gradients and patterns", "skipped", "skipped",
                              "the host paints flat colours only"};
constexpr NotDrawn kNotDrawn[] = {
    {"image", {"an image", "images", "skipped", "skipped", "the host draws no images"}},
    {"use", {"a use of another element", "uses of other elements", "skipped", "skipped",
             "the host keeps no references between objects"}},
    {"defs", kDefinitions},
    {"symbol", kDefinitions},
    {"clipPath", {"a clipping path", "clipping paths", "skipped", "skipped", "the host does not clip"}},
    {"mask", {"a mask", "masks", "skipped", "skipped", "the host does not mask"}},
    {"pattern", kGradients},
    {"linearGradient", kGradients},
    {"radialGradient", kGradients},
    {"filter", {"a filter", "filters", "skipped", "skipped", "the host draws no filter effects"}},
    {"marker", {"a marker", "markers", "skipped", "skipped", "the host draws no markers"}},
    {"style", {"a style sheet", "style sheets", "skipped", "skipped",
               "the host reads style attributes, not style sheets"}},
    {"script", {"a script", "scripts", "skipped", "skipped", "the host runs no scripts"}},
    {"foreignObject", {"a foreign object", "foreign objects", "skipped", "skipped", "the host draws only SVG"}},
    {"textPath", {"a text on a path", "texts on paths", "skipped", "skipped", "the host sets text on a line"}},
};

bool finiteWithin(double value)
{
    return std::isfinite(value) && std::fabs(value) <= kFarthestSvgCoordinate;
}

// Whether a point's control points leave it on one line through it, on either side: a smooth
// point. Any other point is a corner.
bool smooth(const AIPathSegment& s)
{
    const double ix = s.in.h - s.p.h, iy = s.in.v - s.p.v;
    const double ox = s.out.h - s.p.h, oy = s.out.v - s.p.v;
    if ((ix == 0 && iy == 0) || (ox == 0 && oy == 0))
        return false;
    const double cross = ix * oy - iy * ox;
    const double dot = ix * ox + iy * oy;
    return dot < 0 && std::fabs(cross) <= 1e-6 * std::hypot(ix, iy) * std::hypot(ox, oy);
}

std::string shown(std::string_view text)
{
    return text.size() <= 40 ? std::string(text) : std::string(text.substr(0, 40)) + "...";
}

class Reader {
public:
    Reader(std::string_view text, const doc::FontList& fonts, uintptr_t firstHandle)
        : xml_(text), fonts_(fonts), finder_(fonts), document_(std::make_unique<doc::Document>(firstHandle))
    {
    }

    ReadDrawing read()
    {
        while (refusal_.empty()) {
            switch (xml_.next()) {
            case XmlReader::Event::StartElement:
                start();
                break;
            case XmlReader::Event::EndElement:
                end();
                break;
            case XmlReader::Event::Text:
                characters();
                break;
            case XmlReader::Event::Failed:
                refusal_ = "the file cannot be read: " + xml_.error();
                break;
            case XmlReader::Event::Finished:
                return finish();
            }
        }
        ReadDrawing refused;
        refused.refusal = refusal_;
        return refused;
    }

private:
    enum class Role {
        Root,      // the outermost svg, outside every layer
        Wrapper,   // a group outside every layer: made in a layer of loose art when art comes
        Container, // a layer, or a group inside one
        Text,
        Span,
        Leaf,      // a shape: what it holds is not drawn
    };

    struct Frame {
        Role role = Role::Root;
        Style style;
        Matrix ctm; // to the artwork's coordinates
        AIArtHandle group = nullptr; // where art inside goes (a Wrapper's once made)
        uint64_t generation = 0;     // a Wrapper's: the loose layer its group was made in
        bool hidden = false;         // a Root's or Wrapper's: display:none on it or around it
        bool sawLayer = false;       // a Root's or Wrapper's: a layer was made inside
        bool isSwitch = false;
        bool switchChose = false;
        std::optional<std::string> label;
        std::optional<doc::Dictionary> dictionary; // a group's, given to it when it is made
        int line = 0;
        size_t namespaces = 0;
    };

    // The point text being gathered.
    struct TextRun {
        bool active = false;
        double x = 0, y = 0;
        bool started = false;    // a character came
        bool breakNext = false;  // a tspan with its own y began after text: a new line
        Style style;             // where the first character stands
        std::string text;
    };

    // --- the document

    bool roomForArt()
    {
        if (document_->artCount() < kMostSvgObjects)
            return true;
        refusal_ = "the drawing holds more than " + std::to_string(kMostSvgObjects) +
                   " objects (layers, groups, paths and texts); the host reads at most that many";
        return false;
    }

    AIArtHandle makeArt(doc::ArtKind kind, AIArtHandle parent, const std::optional<std::string>& label)
    {
        if (!roomForArt())
            return nullptr;
        AIArtHandle made = nullptr;
        if (document_->newArt(kind, kPlaceInsideOnTop, parent, &made) != kNoErr)
            return nullptr;
        if (label)
            document_->edit(made)->name = *label;
        return made;
    }

    // A new layer on top of the others; the document's first layer serves first.
    AILayerHandle makeLayer()
    {
        if (!firstLayerUsed_) {
            firstLayerUsed_ = true;
            return document_->layers().front();
        }
        if (!roomForArt())
            return nullptr;
        AILayerHandle made = nullptr;
        document_->insertLayer(nullptr, kPlaceAboveAll, &made);
        return made;
    }

    // The layer for art outside every layer: the one made last, unless a layer of the file's
    // came since.
    AIArtHandle looseLayer()
    {
        if (looseGeneration_ != generation_ || looseGroup_ == nullptr) {
            const AILayerHandle layer = makeLayer();
            if (layer == nullptr)
                return nullptr;
            looseGroup_ = document_->layer(layer)->group;
            looseGeneration_ = generation_;
        }
        return looseGroup_;
    }

    // Where art inside the frame goes: its groups outside every layer are made as it comes.
    AIArtHandle container(size_t index)
    {
        Frame& frame = frames_[index];
        switch (frame.role) {
        case Role::Root:
            return looseLayer();
        case Role::Wrapper:
            if (frame.group == nullptr || frame.generation != generation_) {
                const AIArtHandle parent = container(index - 1);
                if (parent == nullptr)
                    return nullptr;
                frame.group = makeArt(doc::ArtKind::Group, parent, frame.label);
                frame.generation = generation_;
                giveDictionary(frame);
            }
            return frame.group;
        default:
            return frame.group;
        }
    }

    // --- what an element says

    // The group's data-dictionary, kept for the group the element makes; a damaged one, or one
    // beyond the limits, is left out and said, and the group is read all the same.
    void takeDictionary(Frame& frame)
    {
        const auto text = attributes_.get("data-dictionary");
        if (!text)
            return;
        ReadDictionary read = dictionaryFromJson(*text);
        switch (read.status) {
        case ReadDictionary::Status::Read:
            if (!read.dictionary.empty())
                frame.dictionary = std::move(read.dictionary);
            return;
        case ReadDictionary::Status::Damaged:
            note(kDamagedDictionary, frame.line);
            return;
        case ReadDictionary::Status::TooLarge:
            note(kLargeDictionary, frame.line);
            return;
        }
    }

    void giveDictionary(const Frame& frame)
    {
        if (frame.dictionary && frame.group != nullptr)
            document_->edit(frame.group)->dictionary = *frame.dictionary;
    }

    void note(const SkipKind& kind, int line) { skips_.note(kind.one, kind, line); }

    // The element's style; what cannot be read, or is partly transparent, said.
    Own styleOf(Style& style, const Style& parent, int line)
    {
        const Own own = svg::cascade(attributes_, parent, finder_, style);
        if (own.unreadable)
            note(kUnreadable, line);
        if (own.translucent)
            note(kTranslucent, line);
        return own;
    }

    // The transform attribute on the frame's map; false, said, when it cannot be used.
    bool transformed(Matrix& ctm, int line)
    {
        const auto text = attributes_.get("transform");
        if (!text)
            return true;
        Matrix local;
        switch (svg::transformOf(*text, local)) {
        case svg::TransformResult::Read:
            ctm = ctm * local;
            return true;
        case svg::TransformResult::Unreadable:
            note(kBadTransform, line);
            return false;
        case svg::TransformResult::Huge:
            note(kOutOfRange, line);
            return false;
        }
        return false;
    }

    // A length attribute; `fallback` when absent or "auto", nullopt (said) when it cannot be
    // read.
    std::optional<double> length(std::string_view name, double fallback, const Style& style, int line)
    {
        const auto text = attributes_.get(name);
        if (!text || svg::trimmed(*text) == "auto")
            return fallback;
        const auto value = svg::lengthOf(*text, std::nullopt, style.fontSize);
        if (!value)
            note(kUnreadable, line);
        return value;
    }

    // --- elements

    void skip(size_t namespaces)
    {
        namespaces_.release(namespaces);
        skipDepth_ = 1;
    }

    void skipNamed(const ElementName& name, std::string_view qualified, int line)
    {
        for (const NotDrawn& notDrawn : kNotDrawn)
            if (name.space == ElementName::Space::Svg && name.local == notDrawn.element) {
                note(notDrawn.kind, line);
                return;
            }
        skips_.noteNamed("element", qualified, kUnknown, kOtherUnknown, line);
    }

    enum class Kind { Group, Span, Text, Shape, Other };
    static Kind kindOf(std::string_view local)
    {
        if (local == "g" || local == "a" || local == "switch" || local == "svg")
            return Kind::Group;
        if (local == "tspan")
            return Kind::Span;
        if (local == "text")
            return Kind::Text;
        for (std::string_view shape : {"path", "rect", "circle", "ellipse", "line", "polyline", "polygon"})
            if (local == shape)
                return Kind::Shape;
        return Kind::Other;
    }

    void start()
    {
        const int line = xml_.line();
        if (skipDepth_ > 0) {
            ++skipDepth_;
            return;
        }
        const size_t declared = namespaces_.declare(xml_.attributes());
        const std::string_view qualified = xml_.name();
        const ElementName name = svg::elementName(qualified, namespaces_);
        attributes_.take(xml_.attributes(), namespaces_);

        if (frames_.empty()) {
            if (name.local != "svg") {
                refusal_ = "the file is not SVG: its root element is <" + shown(qualified) + ">, not <svg>";
                return;
            }
            if (name.space != ElementName::Space::Svg) {
                refusal_ = "the file is not SVG: its root element <" + shown(qualified) + "> is not in SVG's namespace";
                return;
            }
            root(line, declared);
            return;
        }
        const bool svgElement = name.space == ElementName::Space::Svg;
        const std::string_view local = name.local;
        // Descriptions and the editor's own settings hold nothing drawn.
        if (name.space == ElementName::Space::Editor ||
            (svgElement && (local == "title" || local == "desc" || local == "metadata"))) {
            skip(declared);
            return;
        }
        Frame& parent = frames_.back();
        if (parent.isSwitch) {
            // A switch draws the first child the reader can draw: one asking for nothing.
            if (parent.switchChose || attributes_.get("requiredFeatures") || attributes_.get("requiredExtensions") ||
                attributes_.get("systemLanguage")) {
                skip(declared);
                return;
            }
            parent.switchChose = true;
        }
        const bool inText = parent.role == Role::Text || parent.role == Role::Span;
        const Kind kind = svgElement ? kindOf(local) : Kind::Other;
        if (kind == Kind::Other || parent.role == Role::Leaf || inText != (kind == Kind::Span)) {
            skipNamed(name, qualified, line);
            skip(declared);
            return;
        }

        Frame frame;
        frame.line = line;
        frame.namespaces = declared;
        frame.ctm = parent.ctm;
        frame.hidden = parent.hidden;
        if (const auto label = attributes_.get("inkscape:label"))
            frame.label = std::string(*label);
        const Own own = styleOf(frame.style, parent.style, line);
        // A tspan takes its place from its text; SVG gives it no transform.
        if (kind != Kind::Span && !transformed(frame.ctm, line)) {
            skip(declared);
            return;
        }
        switch (kind) {
        case Kind::Group:
            group(std::move(frame), own, local);
            return;
        case Kind::Span:
            span(std::move(frame));
            return;
        default:
            break;
        }
        // Hidden art is not read, for the host hides only layers.
        if (own.displayNone || frame.hidden) {
            note(kHidden, line);
            skip(declared);
            return;
        }
        if (kind == Kind::Text) {
            beginText(std::move(frame));
            return;
        }
        shape(frame, local);
        frame.role = Role::Leaf;
        frames_.push_back(std::move(frame));
    }

    void root(int line, size_t declared)
    {
        Frame frame;
        frame.role = Role::Root;
        frame.line = line;
        frame.namespaces = declared;
        const Own own = styleOf(frame.style, Style(), line);
        frame.hidden = own.displayNone;
        const auto viewBox = svg::viewBoxOf(attributes_.get("viewBox").value_or(""));
        const auto size = [&](std::string_view name, double boxSize, double artboard) {
            const auto given = svg::lengthOf(attributes_.get(name).value_or(""));
            if (given && *given > 0)
                return *given;
            return viewBox ? boxSize : artboard;
        };
        const double width = size("width", viewBox ? viewBox->width : 0, doc::Document::kArtboardWidth);
        const double height = size("height", viewBox ? viewBox->height : 0, doc::Document::kArtboardHeight);
        frame.ctm = svg::drawingToArtwork(viewBox, width, height, attributes_.get("preserveAspectRatio").value_or(""));
        if (!transformed(frame.ctm, line))
            frame.ctm = Matrix{0, 0, 0, 0, NAN, NAN}; // nothing inside can be placed
        frames_.push_back(std::move(frame));
    }

    void group(Frame frame, const Own& own, std::string_view local)
    {
        Frame& parent = frames_.back();
        const bool outside = parent.role == Role::Root || parent.role == Role::Wrapper;
        if (local == "svg") {
            // A drawing inside the drawing: its viewBox fitted to its place.
            const auto viewBox = svg::viewBoxOf(attributes_.get("viewBox").value_or(""));
            const auto x = length("x", 0, frame.style, frame.line);
            const auto y = length("y", 0, frame.style, frame.line);
            const auto width = length("width", viewBox ? viewBox->width : 0, frame.style, frame.line);
            const auto height = length("height", viewBox ? viewBox->height : 0, frame.style, frame.line);
            if (!x || !y || !width || !height) {
                skip(frame.namespaces);
                return;
            }
            frame.ctm = frame.ctm * svg::viewportOf(viewBox, *x, *y, *width, *height,
                                                    attributes_.get("preserveAspectRatio").value_or(""));
        }
        frame.isSwitch = local == "switch";
        const bool layer = local == "g" && attributes_.get("inkscape:groupmode") == "layer";
        if (layer && outside) {
            const AILayerHandle made = makeLayer();
            if (made == nullptr)
                return;
            doc::Layer& held = *document_->editLayer(made);
            if (frame.label)
                held.title = *frame.label;
            held.visible = !own.displayNone && !frame.hidden;
            held.editable = attributes_.get("sodipodi:insensitive") != "true";
            frame.role = Role::Container;
            frame.group = held.group;
            frame.hidden = false;
            takeDictionary(frame);
            giveDictionary(frame);
            ++generation_;
            parent.sawLayer = true;
            frames_.push_back(std::move(frame));
            return;
        }
        if (own.displayNone && !outside) {
            note(kHidden, frame.line);
            skip(frame.namespaces);
            return;
        }
        if (layer)
            note(kSublayer, frame.line);
        if (local == "g" && !(outside && (frame.hidden || own.displayNone)))
            takeDictionary(frame);
        if (outside) {
            // Made when art comes, so that a group that only wraps layers leaves nothing.
            frame.role = Role::Wrapper;
            frame.hidden = frame.hidden || own.displayNone;
            frames_.push_back(std::move(frame));
            return;
        }
        frame.role = Role::Container;
        frame.group = makeArt(doc::ArtKind::Group, parent.group, frame.label);
        giveDictionary(frame);
        if (frame.group != nullptr)
            frames_.push_back(std::move(frame));
    }

    void end()
    {
        if (skipDepth_ > 0) {
            --skipDepth_;
            return;
        }
        if (frames_.empty())
            return;
        Frame& frame = frames_.back();
        if (frame.role == Role::Wrapper && !frame.sawLayer && frame.group == nullptr) {
            // An empty group is art too.
            if (frame.hidden)
                note(kHidden, frame.line);
            else
                container(frames_.size() - 1);
        }
        if (frame.role == Role::Text)
            finishText(frame);
        const bool sawLayer = frame.sawLayer;
        namespaces_.release(frame.namespaces);
        frames_.pop_back();
        if (!frames_.empty())
            frames_.back().sawLayer = frames_.back().sawLayer || sawLayer;
    }

    // --- paths

    // The colour the paint draws with; false when it draws nothing.
    bool paintColor(const Paint& paint, const Style& style, int line, AIColor& color)
    {
        switch (paint.kind) {
        case Paint::Kind::Color:
            color = paint.color;
            return true;
        case Paint::Kind::CurrentColor:
            color = style.color;
            return true;
        case Paint::Kind::Url:
            if (paint.fallback) {
                color = paint.color;
                return true;
            }
            note(kUrlPaint, line);
            return false;
        case Paint::Kind::None:
            break;
        }
        return false;
    }

    // The path style the element's style gives, lengths scaled by the map; false, said, when a
    // length is out of range.
    bool pathStyle(const Style& style, const Matrix& ctm, int line, AIPathStyle& out)
    {
        out = doc::Document::defaultPathStyle();
        AIColor color{};
        out.fillPaint = paintColor(style.fill, style, line, color);
        if (out.fillPaint) {
            out.fill.color = color;
            out.evenodd = style.evenodd;
        }
        out.strokePaint = paintColor(style.stroke, style, line, color);
        if (!out.strokePaint)
            return true;
        // A length on the page grows as the map's area does: exact for the host's own files,
        // whose map is the identity, and for any turn or uniform scale.
        const double scale = std::sqrt(std::fabs(ctm.determinant()));
        const auto scaled = [&](double value, AIReal& into) {
            const double result = scale == 1 ? value : value * scale;
            into = static_cast<AIReal>(finiteWithin(result) ? result : 0);
            return finiteWithin(result);
        };
        AIStrokeStyle& stroke = out.stroke;
        stroke.color = color;
        bool ok = scaled(style.strokeWidth, stroke.width) && scaled(style.dashOffset, stroke.dash.offset);
        stroke.cap = style.cap;
        stroke.join = style.join;
        stroke.miterLimit = static_cast<AIReal>(std::min(style.miterLimit, kFarthestSvgCoordinate));
        stroke.dash.length = static_cast<ai_int16>(style.dashCount);
        for (int i = 0; i < style.dashCount; ++i)
            ok = ok && scaled(style.dash[static_cast<size_t>(i)], stroke.dash.array[i]);
        if (!ok) {
            note(kOutOfRange, line);
            return false;
        }
        if (style.dashCut)
            note(kLongDash, line);
        return true;
    }

    // The outline through the map into the host's segments; false when a point is out of range.
    static bool segmentsOf(const Outline& outline, const Matrix& ctm, std::vector<AIPathSegment>& segments)
    {
        segments.clear();
        segments.reserve(outline.knots.size());
        const auto mapped = [&](Point p, AIRealPoint& into) {
            const Point q = svg::apply(ctm, p);
            if (!finiteWithin(q.x) || !finiteWithin(q.y))
                return false;
            into = {static_cast<AIReal>(q.x), static_cast<AIReal>(q.y)};
            return true;
        };
        for (const svg::Knot& knot : outline.knots) {
            AIPathSegment segment{};
            if (!mapped(knot.p, segment.p) || !mapped(knot.in, segment.in) || !mapped(knot.out, segment.out))
                return false;
            segment.corner = !smooth(segment);
            segments.push_back(segment);
        }
        return true;
    }

    Outlines outlinesOf(std::string_view local, const Style& style, int line)
    {
        const size_t budget = kMostSvgPoints - points_;
        Outlines out;
        const auto one = [&](Outline outline) {
            out.points = outline.knots.size();
            if (out.points > budget)
                out.status = Outlines::Status::TooMany;
            else
                out.parts.push_back(std::move(outline));
        };
        const auto get = [&](std::string_view name, double fallback) { return length(name, fallback, style, line); };
        if (local == "path")
            return svg::pathOutlines(attributes_.get("d").value_or(""), budget);
        if (local == "polyline" || local == "polygon")
            return svg::pointsOutline(attributes_.get("points").value_or(""), local == "polygon", budget);
        if (local == "line") {
            const auto x1 = get("x1", 0), y1 = get("y1", 0), x2 = get("x2", 0), y2 = get("y2", 0);
            if (!x1 || !y1 || !x2 || !y2)
                return out;
            Outline outline;
            outline.knots = {{{*x1, *y1}, {*x1, *y1}, {*x1, *y1}}, {{*x2, *y2}, {*x2, *y2}, {*x2, *y2}}};
            one(std::move(outline));
            return out;
        }
        if (local == "rect") {
            const auto x = get("x", 0), y = get("y", 0), w = get("width", 0), h = get("height", 0);
            auto rx = get("rx", -1), ry = get("ry", -1);
            if (!x || !y || !w || !h || !rx || !ry)
                return out;
            if (!(*w > 0 && *h > 0)) {
                note(kNoSize, line);
                return out;
            }
            // A radius not given, or negative, is the other one.
            const double radiusX = *rx >= 0 ? *rx : std::max(*ry, 0.0);
            const double radiusY = *ry >= 0 ? *ry : std::max(*rx, 0.0);
            one(svg::rectangleOutline(*x, *y, *w, *h, radiusX, radiusY));
            return out;
        }
        // circle and ellipse
        const auto cx = get("cx", 0), cy = get("cy", 0);
        const auto rx = local == "circle" ? get("r", 0) : get("rx", -1);
        const auto ry = local == "circle" ? rx : get("ry", -1);
        if (!cx || !cy || !rx || !ry)
            return out;
        const double radiusX = *rx >= 0 ? *rx : *ry;
        const double radiusY = *ry >= 0 ? *ry : *rx;
        if (!(radiusX > 0 && radiusY > 0)) {
            note(kNoSize, line);
            return out;
        }
        one(svg::ellipseOutline(*cx, *cy, radiusX, radiusY));
        return out;
    }

    void shape(const Frame& frame, std::string_view local)
    {
        const int line = frame.line;
        if (frame.style.invisible) {
            note(kHidden, line);
            return;
        }
        const Outlines outlines = outlinesOf(local, frame.style, line);
        switch (outlines.status) {
        case Outlines::Status::TooMany:
            refusal_ = "the drawing holds more than " + std::to_string(kMostSvgPoints) +
                       " path points; the host reads at most that many";
            return;
        case Outlines::Status::Huge:
            note(kOutOfRange, line);
            return;
        case Outlines::Status::Cut:
            note(kCutData, line);
            break;
        case Outlines::Status::Whole:
            break;
        }
        // A shape that could not be read at all (said above) draws nothing; a path of no data
        // is kept, as the host writes one.
        if (outlines.parts.empty() && (local != "path" || outlines.status != Outlines::Status::Whole))
            return;
        AIPathStyle style{};
        if (!pathStyle(frame.style, frame.ctm, line, style))
            return;
        std::vector<std::vector<AIPathSegment>> parts(outlines.parts.size());
        for (size_t i = 0; i < parts.size(); ++i)
            if (!segmentsOf(outlines.parts[i], frame.ctm, parts[i])) {
                note(kOutOfRange, line);
                return;
            }
        const AIArtHandle parent = frame.hidden ? nullptr : container(frames_.size() - 1);
        if (parent == nullptr)
            return;
        points_ += outlines.points;
        const auto makePath = [&](AIArtHandle into, const std::optional<std::string>& label,
                                  std::vector<AIPathSegment> segments, bool closed) {
            const AIArtHandle made = makeArt(doc::ArtKind::Path, into, label);
            if (made == nullptr)
                return;
            doc::PathPart& path = document_->edit(made)->path();
            path.segments = std::move(segments);
            path.closed = closed;
            path.style = document_->sharedStyle(style);
        };
        if (parts.size() <= 1) {
            makePath(parent, frame.label, parts.empty() ? std::vector<AIPathSegment>() : std::move(parts[0]),
                     !parts.empty() && outlines.parts[0].closed);
            return;
        }
        if (style.fillPaint)
            note(kParts, line);
        const AIArtHandle group = makeArt(doc::ArtKind::Group, parent, frame.label);
        if (group == nullptr)
            return;
        for (size_t i = 0; i < parts.size() && refusal_.empty(); ++i)
            makePath(group, std::nullopt, std::move(parts[i]), outlines.parts[i].closed);
    }

    // --- text

    // The first of a list of coordinates ("10 20 30" places each character; the first is
    // where the text starts).
    std::optional<double> firstCoordinate(std::string_view name, const Style& style, int line)
    {
        const auto text = attributes_.get(name);
        if (!text)
            return std::nullopt;
        const std::string_view list = svg::trimmed(*text);
        const auto value = svg::lengthOf(list.substr(0, std::min(list.find_first_of(", \t\r\n"), list.size())),
                                         std::nullopt, style.fontSize);
        if (!value)
            note(kUnreadable, line);
        return value;
    }

    void beginText(Frame frame)
    {
        text_ = TextRun();
        text_.active = true;
        text_.style = frame.style;
        text_.x = firstCoordinate("x", frame.style, frame.line).value_or(0);
        text_.y = firstCoordinate("y", frame.style, frame.line).value_or(0);
        frame.role = Role::Text;
        frames_.push_back(std::move(frame));
    }

    void span(Frame frame)
    {
        const auto x = firstCoordinate("x", frame.style, frame.line);
        const auto y = firstCoordinate("y", frame.style, frame.line);
        if (!text_.started) {
            text_.x = x.value_or(text_.x);
            text_.y = y.value_or(text_.y);
        } else if (y) {
            text_.breakNext = true;
        }
        frame.role = Role::Span;
        frames_.push_back(std::move(frame));
    }

    void characters()
    {
        if (skipDepth_ > 0 || !text_.active || frames_.empty())
            return;
        const Style& style = frames_.back().style;
        const bool preserve = style.preserveSpace;
        std::string& out = text_.text;
        for (char c : xml_.text()) {
            if (!preserve) {
                // SVG's default: line ends dropped, tabs as spaces, spaces run together.
                if (c == '\n')
                    continue;
                if (c == '\t')
                    c = ' ';
            }
            if (text_.started && text_.breakNext) {
                // A new line starts at its first printed character.
                if (!preserve && c == ' ')
                    continue;
                while (!preserve && !out.empty() && out.back() == ' ')
                    out.pop_back();
                out += '\n';
                text_.breakNext = false;
            }
            if (!preserve && c == ' ' && (out.empty() || out.back() == ' ' || out.back() == '\n'))
                continue;
            if (!text_.started) {
                text_.started = true;
                text_.style = style;
            }
            out += c;
        }
    }

    void finishText(const Frame& frame)
    {
        text_.active = false;
        const int line = frame.line;
        const Style& style = text_.style;
        std::string& text = text_.text;
        if (!frame.style.preserveSpace)
            while (!text.empty() && text.back() == ' ')
                text.pop_back();
        if (style.invisible) {
            note(kHidden, line);
            return;
        }
        const Matrix& m = frame.ctm;
        const Point anchor = svg::apply(m, {text_.x, text_.y});
        // Text drawn upright on the page has the drawing's y axis, downward, flipped.
        const bool level = m.b == 0 && m.c == 0 && m.a > 0 && m.d < 0;
        const double scale = std::sqrt(std::fabs(m.determinant()));
        const double size = scale == 1 ? style.fontSize : style.fontSize * scale;
        if (!finiteWithin(anchor.x) || !finiteWithin(anchor.y) || !finiteWithin(size)) {
            note(kOutOfRange, line);
            return;
        }
        AIColor fill{};
        if (!paintColor(style.fill, style, line, fill))
            fill.kind = kNoneColor;
        const AIArtHandle parent = frame.hidden ? nullptr : container(frames_.size() - 2);
        if (parent == nullptr)
            return;
        const AIArtHandle made = makeArt(doc::ArtKind::Text, parent, frame.label);
        if (made == nullptr)
            return;
        if (!level)
            note(kTilted, line);
        if (style.missingFamily)
            skips_.noteNamed("font", "\"" + *style.missingFamily + "\"", kFont, kOtherFonts, line);
        doc::PointText& written = document_->edit(made)->pointText();
        written.anchor = {static_cast<AIReal>(anchor.x), static_cast<AIReal>(anchor.y)};
        doc::utf8ToUtf16(text, &written.text);
        written.chars.font = style.font ? *style.font : fonts_.defaultIndex();
        if (!style.font && fonts_.defaultIndex() < 0)
            written.chars.font.reset();
        written.chars.size = static_cast<AIReal>(size);
        written.chars.fill = fill;
        static const ATEParagraphJustification justifications[] = {kLeftJustify, kCenterJustify, kRightJustify};
        written.paras.justification = justifications[static_cast<int>(style.anchor)];
    }

    // --- the end

    ReadDrawing finish()
    {
        doc::Document& document = *document_;
        document.setCurrentLayer(document.layers().front());
        // A document read is where its history starts, as one made new.
        document.takeChanges();
        document.markSaved();
        ReadDrawing read;
        read.document = std::move(document_);
        read.skipped = skips_.sentences();
        return read;
    }

    XmlReader xml_;
    const doc::FontList& fonts_;
    const svg::FontFinder finder_;
    std::unique_ptr<doc::Document> document_;
    svg::Namespaces namespaces_;
    svg::Attributes attributes_;
    svg::Skips skips_;
    std::vector<Frame> frames_;
    TextRun text_;
    size_t skipDepth_ = 0;
    size_t points_ = 0;
    bool firstLayerUsed_ = false;
    uint64_t generation_ = 1;
    uint64_t looseGeneration_ = 0;
    AIArtHandle looseGroup_ = nullptr;
    std::string refusal_;
};

std::string sizeInMiB(size_t bytes)
{
    return std::to_string(bytes >> 20) + " MiB";
}

} // namespace

ReadDrawing readSvg(std::string_view text, const doc::FontList& fonts, uintptr_t firstHandle)
{
    if (text.size() > kMostSvgBytes) {
        ReadDrawing refused;
        refused.refusal = "the file is larger than " + sizeInMiB(kMostSvgBytes) + ", the most the host reads";
        return refused;
    }
    return Reader(text, fonts, firstHandle).read();
}

ReadDrawing readSvgFile(const std::filesystem::path& path, const doc::FontList& fonts, uintptr_t firstHandle)
{
    ReadDrawing refused;
    const std::string name = path.string();
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error && error != std::errc::no_such_file_or_directory) {
        refused.refusal = name + " cannot be read: " + error.message();
        return refused;
    }
    if (!std::filesystem::exists(status)) {
        refused.refusal = name + " cannot be opened: there is no such file";
        return refused;
    }
    if (std::filesystem::is_directory(status)) {
        refused.refusal = name + " cannot be opened: it is a folder, not a file";
        return refused;
    }
    if (!std::filesystem::is_regular_file(status)) {
        refused.refusal = name + " cannot be opened: it is not a regular file";
        return refused;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        refused.refusal = name + " cannot be read: " + std::strerror(errno);
        return refused;
    }
    // Read up to one byte past the limit, so that a file that grew since is refused too.
    std::string text;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > kMostSvgBytes) {
        std::fclose(file);
        refused.refusal = name + " is not read: it is larger than " + sizeInMiB(kMostSvgBytes) + ", the most the host reads";
        return refused;
    }
    text.resize(error ? 0 : static_cast<size_t>(size));
    size_t got = std::fread(text.data(), 1, text.size(), file);
    char more[4096];
    while (!std::ferror(file) && got == text.size() && text.size() <= kMostSvgBytes) {
        const size_t extra = std::fread(more, 1, sizeof more, file);
        if (extra == 0)
            break;
        text.append(more, extra);
        got += extra;
    }
    const bool failed = std::ferror(file) != 0;
    const int failure = errno;
    std::fclose(file);
    if (failed) {
        refused.refusal = name + " cannot be read: " + std::strerror(failure);
        return refused;
    }
    text.resize(got);
    if (text.size() > kMostSvgBytes) {
        refused.refusal = name + " is not read: it is larger than " + sizeInMiB(kMostSvgBytes) + ", the most the host reads";
        return refused;
    }
    ReadDrawing read = readSvg(text, fonts, firstHandle);
    if (!read.refusal.empty())
        read.refusal = name + ": " + read.refusal;
    return read;
}

} // namespace host::render
