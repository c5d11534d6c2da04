#include "ToolEvents.h"

#include "Clock.h"
#include "DocumentView.h"
#include "EventLog.h"
#include "FieldCommitter.h"
#include "PluginManager.h"
#include "Tools.h"

#include "KeyboardEvents.h"

#include <charconv>
#include <cstdint>

namespace host {

namespace {

struct ToolEventRule {
    ToolEventKind kind;
    const char* selector;
    ai_uint16 what;
    bool onlyWhenTracking; // sent only to a tool added with kToolWantsToTrackCursorOption
    bool movesPointer;     // the event's point and keys become the pointer's last
};
const ToolEventRule kToolEventRules[] = {
    {ToolEventKind::MouseDown, kSelectorAIToolMouseDown, kMouseDownEvent, false, true},
    {ToolEventKind::MouseDrag, kSelectorAIToolMouseDrag, kNullEvent, false, true},
    {ToolEventKind::MouseUp, kSelectorAIToolMouseUp, kMouseUpEvent, false, true},
    {ToolEventKind::TrackCursor, kSelectorAITrackToolCursor, kNullEvent, true, true},
    {ToolEventKind::EditOptions, kSelectorAIEditToolOptions, kNullEvent, false, false},
};

const ToolEventRule& ruleOf(ToolEventKind kind)
{
    for (const ToolEventRule& rule : kToolEventRules)
        if (rule.kind == kind)
            return rule;
    return kToolEventRules[0]; // unreachable: every kind has its rule
}

const struct {
    ai_uint16 bit;
    const char* name;
} kModifierNames[] = {
    {aiEventModifiers_shiftKey, "shift"},
    {aiEventModifiers_optionKey, "option"},
    {aiEventModifiers_cmdKey, "command"},
    {aiEventModifiers_controlKey, "control"},
};

std::string shortest(AIReal value)
{
    if (value == 0)
        return "0"; // -0 too
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return error == std::errc() ? std::string(text, end) : std::string("?");
}

bool tracksCursor(const Tool& tool)
{
    return (tool.options & kToolWantsToTrackCursorOption) != 0;
}

} // namespace

std::string describeToolPoint(AIRealPoint cursor, ai_uint16 modifiers)
{
    std::string text = "(" + shortest(cursor.h) + ", " + shortest(cursor.v) + ")";
    for (const auto& modifier : kModifierNames)
        if ((modifiers & modifier.bit) != 0)
            text += std::string(" ") + modifier.name;
    return text;
}

bool ToolEvents::send(ToolEventKind kind, AIRealPoint cursor, ai_uint16 modifiers)
{
    const ToolEventRule& rule = ruleOf(kind);
    // A press on the artboard leaves the panel's field being typed into: what was typed goes
    // first, and the change it asked for is drawn before the press acts. An alert it raised
    // takes the press's place. A press in the text being typed into only moves its caret.
    if (kind == ToolEventKind::MouseDown) {
        const HostTool* own = hostToolSelected();
        const bool inPlace = own != nullptr && own->takesPressInPlace(cursor, view_.zoom());
        if (!inPlace && !fields_.commitTypedFields())
            return false;
    }
    if (rule.movesPointer) {
        cursor_ = cursor;
        modifiers_ = modifiers;
    }
    Tool* tool = tools_.selected();
    if (HostTool* answering = hostToolSelected())
        return answering->event(kind, cursor_, modifiers_, view_.zoom());
    if (tool == nullptr || tool->owner == nullptr || (rule.onlyWhenTracking && !tracksCursor(*tool)))
        return false;
    return deliver(*tool, kind, cursor_, modifiers_, rule.what, 0);
}

HostTool* ToolEvents::hostToolSelected() const
{
    const Tool* tool = tools_.selected();
    if (tool == nullptr || tool->owner != nullptr)
        return nullptr;
    for (HostTool* own : hostTools_)
        if (own->handles(*tool))
            return own;
    return nullptr;
}

size_t ToolEvents::deliverPending()
{
    // Taken whole first: what the plug-in posts while answering is the next round's.
    const auto events = ns::takePostedEvents();
    size_t sent = 0;
    for (const ns::KeyboardEvent& event : events) {
        Tool* tool = tools_.selected();
        // Nobody answers a key the selected tool does not track, nor one that comes while
        // the tool's plug-in is not running (posted at its shutdown, say).
        if (tool == nullptr || tool->owner == nullptr || !tracksCursor(*tool) || !tool->owner->started)
            continue;
        const ai_uint32 message = static_cast<ai_uint32>(event.keyCode) << 8;
        if (deliver(*tool, ToolEventKind::TrackCursor, cursor_, 0, event.keyDown ? kKeyDownEvent : kNullEvent, message))
            ++sent;
    }
    return sent;
}

bool ToolEvents::deliver(Tool& tool, ToolEventKind kind, AIRealPoint cursor, ai_uint16 modifiers, ai_uint16 what,
                         ai_uint32 eventMessage)
{
    const ToolEventRule& rule = ruleOf(kind);
    if (!tool.owner->started) {
        log_.warning("\"" + tool.title + "\": its plug-in is not running; \"" + rule.selector + "\" not sent");
        return false;
    }
    AIEvent event{};
    event.what = what;
    event.message = eventMessage;
    // Ticks, a 60th of a second, in 32 bits that wrap round as the platform's do; counted
    // unsigned, so that no clock can overflow them.
    event.when = static_cast<ai_uint32>(static_cast<std::uint64_t>(clock_.now()) * 60u);
    event.where = view_.artworkToView(cursor);
    event.modifiers = modifiers;
    AIToolMessage message{};
    message.tool = tool.handle();
    message.cursor = cursor;
    message.pressure = 1;
    message.event = &event;
    plugins_.send(*tool.owner, kCallerAITool, rule.selector, message.d, describeToolPoint(cursor, modifiers));
    return true;
}

} // namespace host
