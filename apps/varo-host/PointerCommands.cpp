#include "PointerCommands.h"

#include "CursorPicture.h"
#include "Host.h"
#include "ViewPng.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace script::pointer {

namespace {

std::optional<AIReal> parseCoordinate(const std::string& text)
{
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
        std::abs(value) > kFarthestPoint)
        return std::nullopt;
    return static_cast<AIReal>(value);
}

const struct {
    const char* name;
    ai_uint16 bit;
} kModifiers[] = {{"shift", aiEventModifiers_shiftKey}, {"option", aiEventModifiers_optionKey}};

ai_uint16 modifiersFrom(const Words& w, size_t first)
{
    ai_uint16 bits = 0;
    for (size_t i = first; i < w.size(); ++i)
        for (const auto& modifier : kModifiers)
            if (w[i] == modifier.name)
                bits = static_cast<ai_uint16>(bits | modifier.bit);
    return bits;
}

const struct {
    const char* name;
    host::ToolEventKind kind;
} kMouseEvents[] = {
    {"down", host::ToolEventKind::MouseDown},
    {"drag", host::ToolEventKind::MouseDrag},
    {"up", host::ToolEventKind::MouseUp},
};

// Says in the log why a pointer event reached no plug-in, so that a script's reader is not
// left to guess.
void sent(bool delivered, const char* what, host::Host& h)
{
    if (delivered)
        return;
    const host::Tool* tool = h.tools().selected();
    if (tool == nullptr)
        h.log().note(std::string(what) + ": no tool is selected; nothing sent");
    else if (tool->owner == nullptr)
        h.log().note(std::string(what) + ": \"" + tool->title + "\" is the host's own tool; nothing sent");
    else if (tool->owner->started)
        h.log().note(std::string(what) + ": \"" + tool->title + "\" does not track the cursor; nothing sent");
    // A plug-in that is not running: the host has warned already.
}

} // namespace

std::string checkCoordinates(const Words& w, size_t first, size_t count)
{
    for (size_t i = first; i < first + count; ++i)
        if (!parseCoordinate(w[i]))
            return "\"" + w[i] + "\" is not a point coordinate (a number from -1000000 to 1000000)";
    return {};
}

AIRealPoint pointAt(const Words& w, size_t first)
{
    return {*parseCoordinate(w[first]), *parseCoordinate(w[first + 1])};
}

std::string checkModifiers(const Words& w, size_t first, const std::vector<std::string>& allowed)
{
    for (size_t i = first; i < w.size(); ++i) {
        bool known = false;
        for (const auto& name : allowed)
            known = known || w[i] == name;
        if (!known) {
            std::string names;
            for (const auto& name : allowed)
                names += (names.empty() ? "" : ", ") + name;
            return "\"" + w[i] + "\" is not a key to hold (" + names + ")";
        }
        for (size_t j = first; j < i; ++j)
            if (w[j] == w[i])
                return "\"" + w[i] + "\" is given twice";
    }
    return {};
}


std::string checkMouse(const Words& w)
{
    bool known = false;
    for (const auto& event : kMouseEvents)
        known = known || w[0] == event.name;
    if (!known)
        return "no mouse event \"" + w[0] + "\" (down, drag, up)";
    if (std::string reason = checkCoordinates(w, 1, 2); !reason.empty())
        return reason;
    return checkModifiers(w, 3, {"shift", "option"});
}

void mouse(const Words& w, host::Host& h)
{
    for (const auto& event : kMouseEvents)
        if (w[0] == event.name)
            sent(h.toolEvents().send(event.kind, pointAt(w, 1), modifiersFrom(w, 3)), ("mouse " + w[0]).c_str(), h);
}

std::string checkDrag(const Words& w)
{
    return checkCoordinates(w, 0, 4);
}

void drag(const Words& w, host::Host& h)
{
    const AIRealPoint from = pointAt(w, 0), to = pointAt(w, 2);
    host::ToolEvents& events = h.toolEvents();
    // Each event is sent, whatever became of the one before: the pointer ends at `to` anyway.
    bool delivered = events.send(host::ToolEventKind::MouseDown, from, 0);
    for (int step = 1; step <= kDragSteps; ++step) {
        const AIReal t = static_cast<AIReal>(step) / kDragSteps;
        // The last step lands on the end exactly, whatever the rounding on the way.
        const AIRealPoint at =
            step == kDragSteps ? to : AIRealPoint{from.h + (to.h - from.h) * t, from.v + (to.v - from.v) * t};
        delivered = events.send(host::ToolEventKind::MouseDrag, at, 0) && delivered;
    }
    delivered = events.send(host::ToolEventKind::MouseUp, to, 0) && delivered;
    sent(delivered, "drag", h);
}

std::string checkHover(const Words& w)
{
    if (std::string reason = checkCoordinates(w, 0, 2); !reason.empty())
        return reason;
    return checkModifiers(w, 2, {"option"});
}

void hover(const Words& w, host::Host& h)
{
    sent(h.toolEvents().send(host::ToolEventKind::TrackCursor, pointAt(w, 0), modifiersFrom(w, 2)), "hover", h);
}

void toolOptions(host::Host& h)
{
    sent(h.toolEvents().editOptions(), "tool-options", h);
}

std::string checkSnapshot(const Words& w)
{
    if (w[0] != "view" && w[0] != "cursor" && w[0] != "panel" && w[0] != "window")
        return "cannot take a snapshot of \"" + w[0] + "\" (view, cursor, panel, window \"TITLE\")";
    if ((w[0] == "window") != (w.size() == 3))
        return w[0] == "window" ? "\"snapshot window\" takes \"TITLE\" FILE.png" : "\"snapshot " + w[0] + "\" takes FILE.png";
    const std::string& file = w.back();
    if (file.size() <= 4 || file.compare(file.size() - 4, 4, ".png") != 0)
        return "cannot write a snapshot as \"" + file + "\" (FILE.png)";
    return {};
}

void snapshot(const Words& w, host::Host& h)
{
    const std::string reason =
        w[0] == "view"
            ? host::render::saveViewPng(h.document(), h.fonts(), h.documentView(), h.drawAnnotations(), w[1],
                                        h.selection().art(), host::render::typingMarksOf(h.typeTool()))
            : host::render::saveCursorPng(ns::Cursor::currentCursor(), w[1]);
    if (!reason.empty())
        h.log().warning(reason);
}

void printCursor(host::Host&, std::ostream& out)
{
    out << host::render::cursorText(ns::Cursor::currentCursor());
}

std::string checkSelect(const Words& w)
{
    if (w.size() == 1)
        return w[0] == "none" ? std::string() : "select takes X Y [shift], or none";
    const std::string reason = checkCoordinates(w, 0, 2);
    return reason.empty() ? checkModifiers(w, 2, {"shift"}) : reason;
}

void select(const Words& w, host::Host& h)
{
    if (w.size() == 1) {
        h.selection().pick({});
        return;
    }
    const AIRealPoint at = pointAt(w, 0);
    const AIReal reach = host::Selection::kReachPixels / h.documentView().zoom();
    if (!h.selection().click(at, w.size() > 2, reach))
        h.log().warning("select: nothing at " + host::describeToolPoint(at, 0));
}

std::string checkMove(const Words& w)
{
    return checkCoordinates(w, 0, 2);
}

void move(const Words& w, host::Host& h)
{
    const AIRealPoint by = pointAt(w, 0);
    if (!h.selection().move(by.h, by.v))
        h.log().warning("move: nothing is selected");
}

} // namespace script::pointer
