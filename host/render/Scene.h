// What the exports read of the document: its layers from the bottom up, each art object's
// children in paint order, and the resolved look of point text.
#pragma once

#include "document/Document.h"
#include "document/Fonts.h"

#include <string>
#include <vector>

namespace host::render {

// The layers in paint order: the bottom of the stack first.
std::vector<AILayerHandle> layersBottomUp(const doc::Document& document);

// Whether the segment from `from` to `to` is a straight line: neither control point leaves
// its anchor.
bool straightBetween(const AIPathSegment& from, const AIPathSegment& to);

// Whether the stroke is drawn dashed: it has dashes and they are not all 0 long (a dash of
// nothing but zeros draws the line solid, as SVG reads it).
bool dashed(const AIStrokeStyle& stroke);
// How many of the stroke's dash values count: its length, within what the style can hold.
int dashCount(const AIStrokeStyle& stroke);

// A point-text frame's features, its unset ones given the host's defaults: the font as its
// index in the host's font list.
struct TextFeatures {
    int font = -1;
    float size = 12;
    AIColor fill{};
    ATEParagraphJustification justification = 0;
    int32_t tracking = 0;
};
TextFeatures textFeatures(const doc::Art& frame, const doc::FontList& fonts);
// The family of the font at that index in the list, empty for none.
std::string familyOf(int font, const doc::FontList& fonts);

// A point-text frame with its unset features given the host's defaults.
struct TextLook {
    std::string text;   // UTF-8
    std::string family; // empty when the font list is empty
    float size = 12;
    AIColor fill{};
    ATEParagraphJustification justification = 0;
    int32_t tracking = 0; // thousandths of an em; the exports do not draw it
};
TextLook textLook(const doc::Art& frame, const doc::FontList& fonts);

// Where point text stands against its anchor: left-justified text starts there, centred text
// is centred on it, right-justified text ends there.
enum class Alignment { Start, Middle, End };
Alignment alignmentOf(ATEParagraphJustification justification);
// Where a line of that width starts.
double textStart(double anchor, double width, Alignment alignment);

} // namespace host::render
