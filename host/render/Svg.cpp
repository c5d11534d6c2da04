#include "Svg.h"

#include "AtomicFile.h"
#include "Colors.h"
#include "Numbers.h"
#include "Scene.h"
#include "SvgDictionary.h"
#include "Xml.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <string>

namespace host::render {

namespace {

class SvgWriter {
public:
    SvgWriter(const doc::Document& document, const doc::FontList& fonts) : document_(document), fonts_(fonts) {}

    std::string write()
    {
        document();
        return std::move(out_);
    }

    // Written to the file as it is made, a part at a time: a large table's SVG is never whole
    // in memory. False when the file refused a part.
    bool writeTo(std::FILE* file)
    {
        file_ = file;
        document();
        spill(0);
        return !failed_;
    }

private:
    static constexpr size_t kPart = size_t{1} << 18;

    // What is made so far goes to the file once it is `atLeast` bytes long.
    void spill(size_t atLeast)
    {
        if (file_ == nullptr || out_.size() < atLeast)
            return;
        if (!failed_ && std::fwrite(out_.data(), 1, out_.size(), file_) != out_.size())
            failed_ = true;
        out_.clear();
    }

    void document()
    {
        const std::string width = formatNumber(doc::Document::kArtboardWidth);
        const std::string height = formatNumber(doc::Document::kArtboardHeight);
        out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" width=\"" +
                width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height + "\">\n";
        out_ += "<g transform=\"matrix(1 0 0 -1 0 " + height + ")\">\n";
        for (AILayerHandle handle : layersBottomUp(document_)) {
            const doc::Layer& layer = *document_.layer(handle);
            out_ += "<g inkscape:groupmode=\"layer\" inkscape:label=\"" + escapeXml(layer.title) + "\"";
            // Inkscape's mark of a locked layer, its namespace declared where it is used, so
            // that a drawing without one is written as before.
            if (!layer.editable)
                out_ += " xmlns:sodipodi=\"http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd\" "
                        "sodipodi:insensitive=\"true\"";
            if (!layer.visible)
                out_ += " style=\"display:none\"";
            dictionary(*document_.art(layer.group));
            out_ += ">\n";
            children(layer.group, 1);
            out_ += "</g>\n";
        }
        out_ += "</g>\n</svg>\n";
    }

    void children(AIArtHandle parent, int depth)
    {
        for (AIArtHandle child : document_.art(parent)->children)
            art(*document_.art(child), depth);
    }

    void indent(int depth) { out_.append(static_cast<size_t>(depth), ' '); }

    void label(const doc::Art& art)
    {
        if (art.name.empty())
            return;
        out_ += " inkscape:label=\"";
        appendEscapedXml(out_, art.name);
        out_ += '"';
    }

    // What plug-ins keep on a group, as one JSON object.
    void dictionary(const doc::Art& art)
    {
        if (art.dictionary.empty())
            return;
        out_ += " data-dictionary=\"";
        appendEscapedXml(out_, dictionaryJson(art.dictionary));
        out_ += '"';
    }

    void art(const doc::Art& art, int depth)
    {
        spill(kPart);
        indent(depth);
        switch (art.kind) {
        case doc::ArtKind::LayerGroup:
        case doc::ArtKind::Group:
            out_ += "<g";
            label(art);
            dictionary(art);
            if (art.children.empty()) {
                out_ += "/>\n";
                return;
            }
            out_ += ">\n";
            for (AIArtHandle child : art.children)
                this->art(*document_.art(child), depth + 1);
            indent(depth);
            out_ += "</g>\n";
            return;
        case doc::ArtKind::Path:
            path(art);
            return;
        case doc::ArtKind::Text:
            text(art);
            return;
        }
    }

    // The numbers are written where they go: a large table has hundreds of thousands.
    void point(const AIRealPoint& p)
    {
        appendNumber(out_, p.h);
        out_ += ' ';
        appendNumber(out_, p.v);
    }

    void curve(const AIPathSegment& from, const AIPathSegment& to)
    {
        out_ += 'C';
        point(from.out);
        out_ += ' ';
        point(to.in);
        out_ += ' ';
        point(to.p);
    }

    void pathData(const doc::Art& art)
    {
        const doc::PathPart& path = art.path();
        const auto& s = path.segments;
        for (size_t i = 0; i < s.size(); ++i) {
            if (i == 0) {
                out_ += 'M';
                point(s[0].p);
                continue;
            }
            out_ += ' ';
            if (straightBetween(s[i - 1], s[i])) {
                out_ += 'L';
                point(s[i].p);
            } else {
                curve(s[i - 1], s[i]);
            }
        }
        if (path.closed && s.size() > 1) {
            if (!straightBetween(s.back(), s.front())) {
                out_ += ' ';
                curve(s.back(), s.front());
            }
            out_ += " Z";
        }
    }

    void paint(const char* what, const AIColor& color)
    {
        out_ += ' ';
        out_ += what;
        out_ += "=\"";
        appendCssColor(out_, color);
        out_ += "\" data-";
        out_ += what;
        out_ += "-color=\"";
        appendHeldColor(out_, color);
        out_ += '"';
    }

    // ` name="number"`.
    void number(const char* name, float value)
    {
        out_ += ' ';
        out_ += name;
        out_ += "=\"";
        appendNumber(out_, value);
        out_ += '"';
    }

    void path(const doc::Art& art)
    {
        const AIPathStyle& style = art.path().style.get();
        out_ += "<path";
        label(art);
        out_ += " d=\"";
        pathData(art);
        out_ += '"';
        if (style.fillPaint) {
            paint("fill", style.fill.color);
            if (style.evenodd)
                out_ += " fill-rule=\"evenodd\"";
        } else {
            out_ += " fill=\"none\"";
        }
        if (!style.strokePaint) {
            out_ += " stroke=\"none\"/>\n";
            return;
        }
        static const char* const caps[] = {"butt", "round", "square"};
        static const char* const joins[] = {"miter", "round", "bevel"};
        const AIStrokeStyle& stroke = style.stroke;
        paint("stroke", stroke.color);
        number("stroke-width", stroke.width);
        out_ += " stroke-linecap=\"";
        out_ += stroke.cap >= 0 && stroke.cap < 3 ? caps[stroke.cap] : "butt";
        out_ += "\" stroke-linejoin=\"";
        out_ += stroke.join >= 0 && stroke.join < 3 ? joins[stroke.join] : "miter";
        out_ += '"';
        // SVG refuses a limit below 1 and would fall back to 4; below 1 every corner is
        // bevelled, which is what 1 draws.
        number("stroke-miterlimit", std::max(stroke.miterLimit, AIReal{1}));
        if (dashed(stroke)) {
            out_ += " stroke-dasharray=\"";
            for (int i = 0; i < dashCount(stroke); ++i) {
                if (i > 0)
                    out_ += ',';
                appendNumber(out_, stroke.dash.array[i]);
            }
            out_ += '"';
            number("stroke-dashoffset", stroke.dash.offset);
        }
        out_ += "/>\n";
    }

    void text(const doc::Art& art)
    {
        const TextLook look = textLook(art, fonts_);
        static const char* const anchors[] = {"start", "middle", "end"};
        out_ += "<text";
        label(art);
        out_ += " transform=\"translate(";
        point(art.pointText().anchor);
        out_ += ") scale(1 -1)\" font-family=\"";
        appendEscapedXml(out_, look.family);
        out_ += '"';
        number("font-size", look.size);
        out_ += " text-anchor=\"";
        out_ += anchors[static_cast<int>(alignmentOf(look.justification))];
        out_ += '"';
        paint("fill", look.fill);
        out_ += " xml:space=\"preserve\">";
        appendEscapedXml(out_, look.text);
        out_ += "</text>\n";
    }

    const doc::Document& document_;
    const doc::FontList& fonts_;
    std::string out_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

} // namespace

std::string svgOf(const doc::Document& document, const doc::FontList& fonts)
{
    return SvgWriter(document, fonts).write();
}

bool writeSvg(const doc::Document& document, const doc::FontList& fonts, std::FILE* file)
{
    return SvgWriter(document, fonts).writeTo(file);
}

std::string saveSvg(const doc::Document& document, const doc::FontList& fonts, const std::filesystem::path& path)
{
    return writeAtomically(path, [&](std::FILE* file) { return writeSvg(document, fonts, file); });
}

} // namespace host::render
