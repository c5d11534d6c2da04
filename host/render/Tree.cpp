#include "Tree.h"

#include "Colors.h"
#include "EventLog.h"
#include "Numbers.h"
#include "Scene.h"

namespace host::render {

namespace {

std::string quoted(std::string_view text)
{
    return "\"" + escapedAsInC(text) + "\"";
}

std::string point(const AIRealPoint& p)
{
    return formatNumber(p.h) + " " + formatNumber(p.v);
}

bool same(const AIRealPoint& a, const AIRealPoint& b)
{
    return a.h == b.h && a.v == b.v;
}

std::string segment(const AIPathSegment& s)
{
    if (same(s.in, s.p) && same(s.out, s.p))
        return "(" + point(s.p) + ")";
    return "(" + point(s.p) + " in " + point(s.in) + " out " + point(s.out) + ")";
}

std::string pathLine(const doc::Art& art)
{
    const AIPathStyle& style = art.path().style.get();
    std::string line = "path " + quoted(art.name) + (art.path().closed ? " closed" : " open");
    for (const AIPathSegment& s : art.path().segments)
        line += " " + segment(s);
    line += " fill " + (style.fillPaint ? heldColor(style.fill.color) : std::string("none"));
    if (style.fillPaint && style.evenodd)
        line += " even-odd";
    if (!style.strokePaint)
        return line + " stroke none";
    static const char* const caps[] = {"butt", "round", "square"};
    static const char* const joins[] = {"miter", "round", "bevel"};
    const AIStrokeStyle& stroke = style.stroke;
    line += " stroke " + heldColor(stroke.color) + " width " + formatNumber(stroke.width);
    line += std::string(" cap ") + (stroke.cap >= 0 && stroke.cap < 3 ? caps[stroke.cap] : "?");
    line += std::string(" join ") + (stroke.join >= 0 && stroke.join < 3 ? joins[stroke.join] : "?");
    line += " miter " + formatNumber(stroke.miterLimit);
    if (stroke.dash.length > 0) {
        line += " dash ";
        for (int i = 0; i < dashCount(stroke); ++i)
            line += (i > 0 ? "," : "") + formatNumber(stroke.dash.array[i]);
        line += " offset " + formatNumber(stroke.dash.offset);
    }
    return line;
}

std::string textLine(const doc::Art& art, const doc::FontList& fonts)
{
    static const char* const alignments[] = {"left", "centre", "right"};
    const TextLook look = textLook(art, fonts);
    std::string line = "text " + quoted(art.name) + " at (" + point(art.pointText().anchor) + ") font " +
                       quoted(look.family) +
                       " size " + formatNumber(look.size) + " " +
                       alignments[static_cast<int>(alignmentOf(look.justification))];
    if (look.tracking != 0)
        line += " tracking " + std::to_string(look.tracking);
    return line + " fill " + heldColor(look.fill) + " " + quoted(look.text);
}

void art(const doc::Document& document, const doc::FontList& fonts, AIArtHandle handle, int depth, std::string& out)
{
    const doc::Art& a = *document.art(handle);
    out.append(static_cast<size_t>(depth) * 2, ' ');
    switch (a.kind) {
    case doc::ArtKind::LayerGroup:
    case doc::ArtKind::Group:
        out += "group " + quoted(a.name) + "\n";
        for (AIArtHandle child : a.children)
            art(document, fonts, child, depth + 1, out);
        return;
    case doc::ArtKind::Path:
        out += pathLine(a) + "\n";
        return;
    case doc::ArtKind::Text:
        out += textLine(a, fonts) + "\n";
        return;
    }
}

} // namespace

std::string treeOf(const doc::Document& document, const doc::FontList& fonts)
{
    std::string out;
    for (AILayerHandle handle : layersBottomUp(document)) {
        const doc::Layer& layer = *document.layer(handle);
        out += "layer " + quoted(layer.title) + (layer.editable ? "" : " locked") + (layer.visible ? "" : " hidden") +
               "\n";
        for (AIArtHandle child : document.art(layer.group)->children)
            art(document, fonts, child, 1, out);
    }
    return out;
}

} // namespace host::render
