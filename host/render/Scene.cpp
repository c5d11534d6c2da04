#include "Scene.h"

#include "document/Unicode.h"

#include <algorithm>

namespace host::render {

std::vector<AILayerHandle> layersBottomUp(const doc::Document& document)
{
    return {document.layers().rbegin(), document.layers().rend()};
}

bool straightBetween(const AIPathSegment& from, const AIPathSegment& to)
{
    return from.out.h == from.p.h && from.out.v == from.p.v && to.in.h == to.p.h && to.in.v == to.p.v;
}

int dashCount(const AIStrokeStyle& stroke)
{
    return std::clamp<int>(stroke.dash.length, 0, kMaxDashComponents);
}

bool dashed(const AIStrokeStyle& stroke)
{
    for (int i = 0; i < dashCount(stroke); ++i)
        if (stroke.dash.array[i] > 0)
            return true;
    return false;
}

TextLook textLook(const doc::Art& frame, const doc::FontList& fonts)
{
    TextLook look;
    look.text = doc::utf16ToUtf8(frame.text);
    const int font = frame.chars.font.value_or(fonts.defaultIndex());
    if (font >= 0 && font < fonts.size())
        look.family = fonts.name(font);
    look.size = frame.chars.size.value_or(doc::Document::kDefaultFontSize);
    if (frame.chars.fill) {
        look.fill = *frame.chars.fill;
    } else {
        look.fill.kind = kGrayColor;
        look.fill.c.g.gray = 1;
    }
    look.justification = frame.paras.justification.value_or(kLeftJustify);
    look.tracking = frame.chars.tracking.value_or(0);
    return look;
}

Alignment alignmentOf(ATEParagraphJustification justification)
{
    switch (justification) {
    case kCenterJustify:
    case kFullJustifyLastLineCenter:
        return Alignment::Middle;
    case kRightJustify:
    case kFullJustifyLastLineRight:
        return Alignment::End;
    default:
        return Alignment::Start;
    }
}

double textStart(double anchor, double width, Alignment alignment)
{
    switch (alignment) {
    case Alignment::Middle:
        return anchor - width / 2;
    case Alignment::End:
        return anchor - width;
    case Alignment::Start:
        break;
    }
    return anchor;
}

} // namespace host::render
