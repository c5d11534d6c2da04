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

TextFeatures textFeatures(const doc::Art& frame, const doc::FontList& fonts)
{
    const doc::PointText& text = frame.pointText();
    TextFeatures features;
    features.font = text.chars.font.value_or(fonts.defaultIndex());
    features.size = text.chars.size.value_or(doc::Document::kDefaultFontSize);
    if (text.chars.fill) {
        features.fill = *text.chars.fill;
    } else {
        features.fill.kind = kGrayColor;
        features.fill.c.g.gray = 1;
    }
    features.justification = text.paras.justification.value_or(kLeftJustify);
    features.tracking = text.chars.tracking.value_or(0);
    return features;
}

std::string familyOf(int font, const doc::FontList& fonts)
{
    return font >= 0 && font < fonts.size() ? fonts.name(font) : std::string();
}

TextLook textLook(const doc::Art& frame, const doc::FontList& fonts)
{
    const TextFeatures features = textFeatures(frame, fonts);
    TextLook look;
    look.text = doc::utf16ToUtf8(frame.pointText().text);
    look.family = familyOf(features.font, fonts);
    look.size = features.size;
    look.fill = features.fill;
    look.justification = features.justification;
    look.tracking = features.tracking;
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
