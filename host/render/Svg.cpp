#include "Svg.h"

#include "AtomicFile.h"
#include "Colors.h"
#include "Numbers.h"
#include "Scene.h"
#include "SvgDictionary.h"
#include "Xml.h"

#include <algorithm>

namespace host::render {

namespace {

class SvgWriter {
public:
    SvgWriter(const doc::Document& document, const doc::FontList& fonts) : document_(document), fonts_(fonts) {}

    std::string write()
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
        return std::move(out_);
    }

private:
    void children(AIArtHandle parent, int depth)
    {
        for (AIArtHandle child : document_.art(parent)->children)
            art(*document_.art(child), depth);
    }

    void indent(int depth) { out_.append(static_cast<size_t>(depth), ' '); }

    void label(const doc::Art& art)
    {
        if (!art.name.empty())
            out_ += " inkscape:label=\"" + escapeXml(art.name) + "\"";
    }

    // What plug-ins keep on a group, as one JSON object.
    void dictionary(const doc::Art& art)
    {
        if (!art.dictionary.empty())
            out_ += " data-dictionary=\"" + escapeXml(dictionaryJson(art.dictionary)) + "\"";
    }

    void art(const doc::Art& art, int depth)
    {
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

    static std::string point(const AIRealPoint& p) { return formatNumber(p.h) + " " + formatNumber(p.v); }

    static std::string pathData(const doc::Art& art)
    {
        const auto& s = art.segments;
        std::string d;
        for (size_t i = 0; i < s.size(); ++i) {
            if (i == 0) {
                d += "M" + point(s[0].p);
                continue;
            }
            d += straightBetween(s[i - 1], s[i]) ? " L" + point(s[i].p)
                                          : " C" + point(s[i - 1].out) + " " + point(s[i].in) + " " + point(s[i].p);
        }
        if (art.closed && s.size() > 1) {
            if (!straightBetween(s.back(), s.front()))
                d += " C" + point(s.back().out) + " " + point(s.front().in) + " " + point(s.front().p);
            d += " Z";
        }
        return d;
    }

    void paint(const char* what, const AIColor& color)
    {
        out_ += std::string(" ") + what + "=\"" + cssColor(color) + "\" data-" + what + "-color=\"" +
                heldColor(color) + "\"";
    }

    void path(const doc::Art& art)
    {
        const AIPathStyle& style = art.style;
        out_ += "<path";
        label(art);
        out_ += " d=\"" + pathData(art) + "\"";
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
        out_ += " stroke-width=\"" + formatNumber(stroke.width) + "\"";
        out_ += std::string(" stroke-linecap=\"") + (stroke.cap >= 0 && stroke.cap < 3 ? caps[stroke.cap] : "butt") + "\"";
        out_ += std::string(" stroke-linejoin=\"") + (stroke.join >= 0 && stroke.join < 3 ? joins[stroke.join] : "miter") +
                "\"";
        // SVG refuses a limit below 1 and would fall back to 4; below 1 every corner is
        // bevelled, which is what 1 draws.
        out_ += " stroke-miterlimit=\"" + formatNumber(std::max(stroke.miterLimit, AIReal{1})) + "\"";
        if (dashed(stroke)) {
            out_ += " stroke-dasharray=\"";
            for (int i = 0; i < dashCount(stroke); ++i)
                out_ += (i > 0 ? "," : "") + formatNumber(stroke.dash.array[i]);
            out_ += "\" stroke-dashoffset=\"" + formatNumber(stroke.dash.offset) + "\"";
        }
        out_ += "/>\n";
    }

    void text(const doc::Art& art)
    {
        const TextLook look = textLook(art, fonts_);
        static const char* const anchors[] = {"start", "middle", "end"};
        const char* anchor = anchors[static_cast<int>(alignmentOf(look.justification))];
        out_ += "<text";
        label(art);
        out_ += " transform=\"translate(" + point(art.anchor) + ") scale(1 -1)\"";
        out_ += " font-family=\"" + escapeXml(look.family) + "\" font-size=\"" + formatNumber(look.size) + "\"";
        out_ += std::string(" text-anchor=\"") + anchor + "\"";
        paint("fill", look.fill);
        out_ += " xml:space=\"preserve\">" + escapeXml(look.text) + "</text>\n";
    }

    const doc::Document& document_;
    const doc::FontList& fonts_;
    std::string out_;
};

} // namespace

std::string svgOf(const doc::Document& document, const doc::FontList& fonts)
{
    return SvgWriter(document, fonts).write();
}

std::string saveSvg(const doc::Document& document, const doc::FontList& fonts, const std::filesystem::path& path)
{
    const std::string svg = svgOf(document, fonts);
    return writeAtomically(path, [&](std::FILE* file) { return std::fwrite(svg.data(), 1, svg.size(), file) == svg.size(); });
}

} // namespace host::render
