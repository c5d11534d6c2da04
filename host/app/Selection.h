// The selection tool ("Adobe Select Tool") and what it picks: whole objects of the drawing,
// the art directly inside a layer (a table is its group in the "Varo-Table" layer), in a
// layer that is visible and not locked. A click picks the object under the pointer (Shift adds
// or takes it away), a click on nothing picks nothing, a drag moves what is picked, the arrows
// nudge it, Delete takes it away; each move and each deletion is one step of the history.
// The plug-ins hear of every change of the selection ("AI Art Selection Changed Notifier").
#pragma once

#include "ToolEvents.h"
#include "sdk/AIArt.h"

#include <cstdint>
#include <vector>

namespace host {

namespace doc {
class Document;
}
class Notifiers;
class UndoHistory;

class Selection : public HostTool {
public:
    // The tool's title among the host's tools.
    static constexpr const char* kToolTitle = "Adobe Select Tool";
    // How far from an object a click still picks it, in pixels of the view.
    static constexpr AIReal kReachPixels = 3;

    Selection(doc::Document& document, UndoHistory& history, Notifiers& notifiers)
        : document_(document), history_(history), notifiers_(notifiers)
    {
    }

    // What is picked, in the order picked; art an undo took away is no longer among it.
    std::vector<AIArtHandle> art() const;
    // The object under an artwork point, the one painted last first, `reach` points around it
    // counting; null for none.
    AIArtHandle objectAt(AIRealPoint point, AIReal reach) const;
    // Picks these objects alone (none: nothing is picked).
    void pick(std::vector<AIArtHandle> objects);
    // A click: what it picks (`adding`: Shift held, the object joins the selection or leaves
    // it). True when an object is under the point.
    bool click(AIRealPoint point, bool adding, AIReal reach);
    // Moves what is picked by (dx, dy), one step "Move"; false with nothing picked.
    bool move(AIReal dx, AIReal dy);
    // Takes what is picked away, one step "Delete"; false with nothing picked.
    bool remove();
    // Counts the changes of what is picked, for views that draw it.
    uint64_t changes() const { return changes_; }

    // The tool's pointer events (HostTool).
    bool handles(const Tool& tool) const override;
    bool event(ToolEventKind kind, AIRealPoint point, ai_uint16 modifiers, AIReal zoom) override;

private:
    void changed();

    doc::Document& document_;
    UndoHistory& history_;
    Notifiers& notifiers_;
    mutable std::vector<AIArtHandle> picked_;
    uint64_t changes_ = 0;
    // The drag under way: where the pointer was last, and whether anything moved.
    bool dragging_ = false;
    bool moved_ = false;
    AIRealPoint last_{0, 0};
};

} // namespace host
