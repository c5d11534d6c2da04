// What annotators draw over the document view: a drawer records one annotator's "AI Draw"
// (its drawing state and each item with the state in force when it was drawn), and a pass
// asks every active annotator to draw with a fresh drawer of its own.
#pragma once

#include "sdk/AIAnnotator.h"

#include <string>
#include <vector>

namespace host {

class Annotators;
class DocumentView;
class EventLog;
class PluginManager;

// The host's annotation fonts, by preset number.
struct AnnotationFont {
    const char* family;
    double pixels; // the em size in view pixels
};
// Null for a preset the host does not have.
const AnnotationFont* annotationFont(ai_int32 preset);

struct DrawingState {
    AIRGBColor color{0, 0, 0};
    AIReal lineWidth = 1; // view pixels
    bool dashed = false;
    ai_int32 fontPreset = 0;
};

struct DrawnItem {
    enum class Kind { Outline, Fill, Text };
    Kind kind = Kind::Outline;
    AIRect rect{};     // Outline and Fill: view pixels, left <= right and top <= bottom
    std::string text;  // Text: UTF-8 as given
    AIPoint point{};   // Text: the start of its baseline
    DrawingState state;
};

class AnnotationDrawer {
public:
    AIAnnotatorDrawer* handle() { return reinterpret_cast<AIAnnotatorDrawer*>(this); }
    const DrawingState& state() const { return state_; }
    const std::vector<DrawnItem>& items() const { return items_; }

    void setColor(const AIRGBColor& color) { state_.color = color; }
    // False, and nothing changed, for a width that is negative or not finite.
    bool setLineWidth(AIReal width);
    void setDashed(bool dashed) { state_.dashed = dashed; }
    // False, and nothing changed, for a preset the host has no font for.
    bool setFontPreset(ai_int32 preset);
    // Any two opposite corners: they are ordered here.
    void drawRect(const AIRect& rect, bool fill);
    void drawText(std::string text, AIPoint point);

private:
    DrawingState state_;
    std::vector<DrawnItem> items_;
};

class AnnotationPass {
public:
    // The annotators of `annotators` draw over `view`, asked through `plugins`.
    AnnotationPass(Annotators& annotators, PluginManager& plugins, EventLog& log, DocumentView& view)
        : annotators_(annotators), plugins_(plugins), log_(log), view_(view)
    {
    }
    AnnotationPass(const AnnotationPass&) = delete;
    AnnotationPass& operator=(const AnnotationPass&) = delete;

    // "AI Annotation"/"AI Draw" to the plug-in of every active annotator, in the order they
    // were added, each with the document view and a fresh drawer; what they drew, in order.
    // An annotator whose plug-in is not running is skipped, with a note in the log.
    std::vector<DrawnItem> draw();

    // The drawer a handle names while its "AI Draw" is being answered; null otherwise (a
    // drawer kept past its message is no longer the plug-in's to use).
    AnnotationDrawer* live(AIAnnotatorDrawer* handle) const;

private:
    Annotators& annotators_;
    PluginManager& plugins_;
    EventLog& log_;
    DocumentView& view_;
    AnnotationDrawer* live_ = nullptr;
};

} // namespace host
