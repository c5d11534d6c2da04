#include "Selection.h"

#include "Notifiers.h"
#include "Tools.h"
#include "UndoHistory.h"
#include "document/Document.h"

#include "sdk/AINotifier.h"

#include <algorithm>

namespace host {

std::vector<AIArtHandle> Selection::art() const
{
    // What an undo took away, or a layer locked or hidden since, is picked no more, and stays
    // so when a redo brings it back.
    std::erase_if(picked_, [&](AIArtHandle each) {
        const doc::Art* art = document_.art(each);
        const doc::Layer* layer = art != nullptr ? document_.layer(art->layer) : nullptr;
        return layer == nullptr || !layer->visible || !layer->editable;
    });
    return picked_;
}

AIArtHandle Selection::objectAt(AIRealPoint point, AIReal reach) const
{
    // From the top layer down, and in a layer from what is painted last.
    for (AILayerHandle handle : document_.layers()) {
        const doc::Layer* layer = document_.layer(handle);
        if (layer == nullptr || !layer->visible || !layer->editable)
            continue;
        const doc::Art* group = document_.art(layer->group);
        for (auto it = group->children.rbegin(); it != group->children.rend(); ++it) {
            AIRealRect box{};
            if (document_.bounds(*it, &box) != kNoErr || (box.left == box.right && box.top == box.bottom))
                continue;
            if (point.h >= box.left - reach && point.h <= box.right + reach && point.v >= box.bottom - reach &&
                point.v <= box.top + reach)
                return *it;
        }
    }
    return nullptr;
}

void Selection::pick(std::vector<AIArtHandle> objects)
{
    if (objects == art())
        return;
    picked_ = std::move(objects);
    changed();
}

bool Selection::click(AIRealPoint point, bool adding, AIReal reach)
{
    const AIArtHandle hit = objectAt(point, reach);
    std::vector<AIArtHandle> now = art();
    const auto at = std::find(now.begin(), now.end(), hit);
    if (hit == nullptr) {
        if (!adding)
            now.clear();
    } else if (adding) {
        if (at == now.end())
            now.push_back(hit);
        else
            now.erase(at);
    } else if (at == now.end()) {
        // A click on what is picked keeps all of it, to be dragged together.
        now = {hit};
    }
    pick(std::move(now));
    return hit != nullptr;
}

bool Selection::move(AIReal dx, AIReal dy)
{
    const std::vector<AIArtHandle> objects = art();
    if (objects.empty())
        return false;
    for (AIArtHandle each : objects)
        document_.translate(each, dx, dy);
    history_.close("Move");
    return true;
}

bool Selection::remove()
{
    const std::vector<AIArtHandle> objects = art();
    if (objects.empty())
        return false;
    for (AIArtHandle each : objects)
        document_.dispose(each);
    history_.close("Delete");
    pick({});
    return true;
}

bool Selection::handles(const Tool& tool) const
{
    return tool.owner == nullptr && tool.title == kToolTitle;
}

bool Selection::event(ToolEventKind kind, AIRealPoint point, ai_uint16 modifiers, AIReal zoom)
{
    const AIReal reach = kReachPixels / zoom;
    switch (kind) {
    case ToolEventKind::MouseDown: {
        // A press on an object picks it and may drag what is picked; a press on nothing only
        // picks nothing, and a Shift-click that took the object away drags nothing.
        click(point, (modifiers & aiEventModifiers_shiftKey) != 0, reach);
        const std::vector<AIArtHandle> picked = art();
        dragging_ = std::find(picked.begin(), picked.end(), objectAt(point, reach)) != picked.end();
        moved_ = false;
        last_ = point;
        break;
    }
    case ToolEventKind::MouseDrag:
        if (dragging_ && (point.h != last_.h || point.v != last_.v)) {
            for (AIArtHandle each : art())
                document_.translate(each, point.h - last_.h, point.v - last_.v);
            last_ = point;
            moved_ = true;
        }
        break;
    case ToolEventKind::MouseUp:
        // The whole drag is one move.
        if (moved_)
            history_.close("Move");
        dragging_ = moved_ = false;
        break;
    default:
        // The pointer's moves and the tool's options are none of its business.
        return false;
    }
    return true;
}

void Selection::changed()
{
    ++changes_;
    notifiers_.deliver(kAIArtSelectionChangedNotifier);
}

} // namespace host
