// The Type tool ("Adobe Type Tool"): a click on point text starts typing into it, the frame
// then being the selection, alone. While it is typed into, every key changes the frame's text
// in the document at once (so that it is drawn as typed); when the edit ends its changes are
// one step of the history, "Typing", or none when the text came back as it was.
//
// The edit ends, kept, with Return, a click elsewhere, another tool, a command of the host or
// a menu item (Host::commitTypedFields); Escape cancels it, the text back as it was and no
// step; Tab goes on in the next text frame of the same group (Shift: the one before), all of
// its text selected, and stays where it is at either end.
#pragma once

#include "EditableText.h"
#include "ToolEvents.h"
#include "sdk/AIArt.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace ns {
class Event;
}

namespace host {

namespace doc {
class Document;
struct Art;
}
class Selection;
class UndoHistory;

class TypeTool : public HostTool {
public:
    static constexpr const char* kToolTitle = "Adobe Type Tool";
    static constexpr const char* kStepName = "Typing";
    // How far from a frame's bounds a click still reaches it, in pixels of the view.
    static constexpr AIReal kReachPixels = 3;

    TypeTool(doc::Document& document, UndoHistory& history, Selection& selection)
        : document_(document), history_(history), selection_(selection)
    {
    }
    TypeTool(const TypeTool&) = delete;
    TypeTool& operator=(const TypeTool&) = delete;

    // Where the caret may stand along a frame's line: for each UTF-16 offset of its text, 0
    // to its size, the distance from the anchor in points (rightward), as the frame is drawn.
    // Unset, or answering another count, the host's estimate is used: each UTF-16 unit half
    // an em wide, as the document bounds text.
    using Measure = std::function<std::vector<double>(const doc::Art& frame)>;
    void setMeasure(Measure measure) { measure_ = std::move(measure); }
    static std::vector<double> estimatedPlaces(const doc::Art& frame);

    // The point-text frame at an artwork point, `reach` points around its bounds counting (an
    // empty frame is its line at its anchor): the one painted last first, in a visible,
    // unlocked layer; null for none.
    AIArtHandle frameAt(AIRealPoint point, AIReal reach) const;
    // The caret's place in the frame's text nearest the point along its line.
    size_t offsetAt(const doc::Art& frame, AIRealPoint point) const;

    // Starts typing into the frame, the caret at `caret` (a UTF-16 offset) or at the end,
    // after ending the edit under way, kept. False, and nothing started, for a handle that is
    // not a text frame in a visible, unlocked layer.
    bool begin(AIArtHandle frame, std::optional<size_t> caret = std::nullopt);
    // Ends the edit under way, kept: one "Typing" step when the text changed. Nothing when
    // none is under way.
    void finish();
    // Ends it cancelled: the text as it was before, no step.
    void cancel();

    // Whether a frame is being typed into (the frame still there).
    bool editing() const;
    AIArtHandle frame() const { return editing() ? edit_->frame : nullptr; }
    // The text being typed, its caret and selection; null while nothing is.
    const EditableText* typing() const { return editing() ? &edit_->text : nullptr; }
    // Counts the changes of the text, caret and selection, for views that draw them.
    uint64_t changes() const { return changes_; }

    // A key while typing: the edit's keys (Return, Escape, Tab, Backspace, Delete, the arrows,
    // Home, End; Command with A, C and X) and typed text. False for a key it does not take
    // (Command with another letter, say: a menu's), and for any key while nothing is typed.
    bool keyDown(const ns::Event& event);

    // The tool's pointer events (HostTool): a press on a frame starts typing there, or moves
    // the caret in the frame being typed into (Shift: selects to there), a drag selects; the
    // cursor is the I-beam over text.
    bool handles(const Tool& tool) const override;
    bool event(ToolEventKind kind, AIRealPoint point, ai_uint16 modifiers, AIReal zoom) override;
    bool takesPressInPlace(AIRealPoint point, AIReal zoom) const override;

private:
    struct Edit {
        AIArtHandle frame = nullptr;
        EditableText text;
        std::u16string original;
    };
    // Whether the frame may be typed into: text, in a visible, unlocked layer.
    bool typable(AIArtHandle frame) const;
    // The frame's text made what the edit holds.
    void apply();
    // Takes back what the document recorded during the edit, which changed nothing in the end.
    void forget();
    // Tab: the next (or previous) text frame among the frame's siblings, all its text selected.
    void advance(bool backward);
    void copy(bool cutting);

    doc::Document& document_;
    UndoHistory& history_;
    Selection& selection_;
    Measure measure_;
    std::optional<Edit> edit_;
    uint64_t changes_ = 0;
    bool dragging_ = false;
};

} // namespace host
