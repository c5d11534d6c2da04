// The document view as a PNG picture: what the view's window shows of the artboard at its zoom
// and centre, with what the annotators drew over it.
#pragma once

#include "AnnotationDrawing.h"
#include "DocumentView.h"
#include "TypeTool.h"
#include "document/Document.h"
#include "document/Fonts.h"

#include <filesystem>
#include <string>
#include <vector>

typedef struct _cairo cairo_t;

namespace host::render {

// The pasteboard around the artboard, as a gray level from 0 (black) to 1 (white).
constexpr double kPasteboardGray = 0.8;
// Dashed annotation lines: so many pixels drawn, then as many left out.
constexpr double kAnnotationDash = 4;

// The pasteboard, the artboard on white and the art, into `cairo` in view pixels (y downward
// from the view's top-left corner).
void drawView(cairo_t* cairo, const doc::Document& document, const doc::FontList& fonts, const DocumentView& view);
// What the annotators drew, over it, in the same pixels.
void drawAnnotations(cairo_t* cairo, const std::vector<DrawnItem>& annotations, const DocumentView& view);
// What the selection tool picked, over it: each object's bounds outlined in the selection's
// blue, with a small square handle at each corner and in the middle of each side; but the
// frame `typedInto`, which shows its caret instead.
void drawSelection(cairo_t* cairo, const doc::Document& document, const std::vector<AIArtHandle>& picked,
                   const DocumentView& view, AIArtHandle typedInto = nullptr);

// The text being typed into with the Type tool: its frame, the selection's ends and the caret's
// place (UTF-16 offsets of the frame's text).
struct TypingMarks {
    AIArtHandle frame = nullptr;
    size_t selectionStart = 0, selectionEnd = 0;
    size_t caret = 0;
};
// What the Type tool is typing into; no frame while it types nothing.
TypingMarks typingMarksOf(const TypeTool& tool);
// Over the view: the selected part of the line lit, or with nothing selected the caret, a
// line across the frame's line (from a quarter em below the baseline to three quarters above)
// where typing goes. `pixelsPerPoint` is the picture's scale (2 on a screen of twice the
// pixels): the places are measured as the line is drawn at it. Nothing for a frame not there.
void drawTyping(cairo_t* cairo, const doc::Document& document, const doc::FontList& fonts, const TypingMarks& typing,
                const DocumentView& view, double pixelsPerPoint = 1);

// A picture of the view's size in pixels: the pasteboard, the artboard on white, the art,
// then what is picked, the text being typed into and the annotations in view pixels. A rectangle reaches the pixels at both its corners: its
// outline runs through them, centred on them; a filled one covers them. Text stands on its
// baseline in the preset's font. Written atomically; a reason naming the file on failure,
// empty on success.
std::string saveViewPng(const doc::Document& document, const doc::FontList& fonts, const DocumentView& view,
                        const std::vector<DrawnItem>& annotations, const std::filesystem::path& path,
                        const std::vector<AIArtHandle>& picked = {}, const TypingMarks& typing = {});

} // namespace host::render
