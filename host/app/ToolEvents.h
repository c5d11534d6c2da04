// The pointer's events as the selected tool hears them: mouse down, drag and up, cursor
// tracking and the request to edit its options, each an "AI Tool" message to the plug-in that
// added the tool. The host's own tools do nothing with them here. The host remembers where
// the pointer last was and which keys were held, as the event loop's later events need it.
#pragma once

#include "sdk/AITool.h"

#include <cstddef>
#include <string>
#include <vector>

namespace host {

class Clock;
class DocumentView;
class EventLog;
class FieldCommitter;
class PluginManager;
class Tools;
struct Tool;

// What the AIEvent of a tool message says happened, as the platform numbers its events.
enum ToolEventWhat : ai_uint16 { kNullEvent = 0, kMouseDownEvent = 1, kMouseUpEvent = 2, kKeyDownEvent = 3 };

enum class ToolEventKind { MouseDown, MouseDrag, MouseUp, TrackCursor, EditOptions };

// A tool of the host's own, which answers the pointer itself.
class HostTool {
public:
    virtual ~HostTool() = default;
    virtual bool handles(const Tool& tool) const = 0;
    // The event at an artwork point, the view showing `zoom` pixels a point: false for one the
    // tool does not answer.
    virtual bool event(ToolEventKind kind, AIRealPoint point, ai_uint16 modifiers, AIReal zoom) = 0;
    // Whether a press at the point goes on with what the tool is doing (a click in the text
    // being typed into): it then leaves what is being typed as it is, where any other press
    // first ends it (FieldCommitter).
    virtual bool takesPressInPlace(AIRealPoint, AIReal /*zoom*/) const { return false; }
};

// "(100, 700)" with " shift" and " option" after it when those keys are held: how the log
// names a tool message's point.
std::string describeToolPoint(AIRealPoint cursor, ai_uint16 modifiers);

class ToolEvents {
public:
    // The events go to `tools`' selected tool through `plugins`, stamped with `clock`'s time
    // and placed in `view`; a press first commits what was typed through `fields`.
    ToolEvents(Tools& tools, PluginManager& plugins, EventLog& log, Clock& clock, DocumentView& view,
               FieldCommitter& fields)
        : tools_(tools), plugins_(plugins), log_(log), clock_(clock), view_(view), fields_(fields)
    {
    }
    ToolEvents(const ToolEvents&) = delete;
    ToolEvents& operator=(const ToolEvents&) = delete;
    // A tool of the host's own, which takes the pointer when it is the selected tool.
    void addHostTool(HostTool* tool) { hostTools_.push_back(tool); }

    // Sends the event's message to the selected tool's plug-in, the point in artwork
    // coordinates and `modifiers` of aiEventModifiers_ bits; the point and keys are kept as
    // the pointer's last (edit options leaves them and carries the last ones). True when a
    // message was sent: not for a host tool, not track-cursor to a tool that did not ask
    // for it, not to a plug-in that is not running (a warning then).
    bool send(ToolEventKind kind, AIRealPoint cursor, ai_uint16 modifiers);
    bool editOptions() { return send(ToolEventKind::EditOptions, cursor_, modifiers_); }

    // Answers every keyboard event posted to the toolkit's queue since the last call with one
    // track-cursor message at the last point, no key held; dropped when the selected tool does
    // not track the cursor or its plug-in is not running. Events posted while answering wait
    // for the next call. The number of messages sent.
    size_t deliverPending();

    AIRealPoint lastCursor() const { return cursor_; }
    ai_uint16 lastModifiers() const { return modifiers_; }

private:
    bool deliver(Tool& tool, ToolEventKind kind, AIRealPoint cursor, ai_uint16 modifiers, ai_uint16 what,
                 ai_uint32 eventMessage);

    Tools& tools_;
    PluginManager& plugins_;
    EventLog& log_;
    Clock& clock_;
    DocumentView& view_;
    FieldCommitter& fields_;
    // The host's own tool that answers for the selected tool; null for none.
    HostTool* hostToolSelected() const;

    std::vector<HostTool*> hostTools_;
    AIRealPoint cursor_{0, 0};
    ai_uint16 modifiers_ = 0;
};

} // namespace host
