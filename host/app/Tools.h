// The host's tools: its own and those plug-ins add, their numbers, groups and toolsets, and
// which one is selected. Selecting a tool tells the plug-in of the old one "AI Deselect" and
// the plug-in of the new one "AI Select".
#pragma once

#include "sdk/AITool.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace host {

class FieldCommitter;
class PluginManager;
struct PluginRecord;

struct Tool {
    std::string name;
    std::string title;
    std::string tooltip;
    ai_int32 normalIcon = 0, darkIcon = 0;
    AIToolType number = kNoTool;
    AIToolType group = kNoTool;   // the number of the tool that leads its group
    AIToolType toolset = kNoTool; // kNoTool: in no toolset
    ai_int32 options = 0;
    PluginRecord* owner = nullptr; // null for the host's own tools
    std::vector<AIToolInfoVariable> infoVariables;

    AIToolHandle handle() const { return reinterpret_cast<AIToolHandle>(const_cast<Tool*>(this)); }
};

class Tools {
public:
    // The host's own tools, the selection tool first and selected. The plug-ins hear of
    // their tools through `plugins`; what was typed into the panels goes through `fields`
    // before another tool is chosen.
    Tools(PluginManager& plugins, FieldCommitter& fields);
    Tools(const Tools&) = delete;
    Tools& operator=(const Tools&) = delete;

    // kBadParameterErr for a null name or data, an empty title, a name already taken, or a
    // group or toolset number that is no tool's.
    ASErr add(PluginRecord* owner, const char* name, const AIAddToolData* data, ai_int32 options, AIToolHandle* made);
    // Null for a handle that is no tool's.
    Tool* find(AIToolHandle handle) const;
    Tool* withName(std::string_view name) const;
    Tool* withTitle(std::string_view title) const;
    Tool* withNumber(AIToolType number) const;

    Tool* selected() const { return selected_; }
    // Deselects the current tool (telling its plug-in) and selects `tool` (telling its
    // plug-in). Selecting the selected tool again tells nothing.
    void select(Tool& tool);
    // "AI Reselect" to the selected tool's plug-in, as a double-click on the tool does.
    void reselect();

    const std::vector<std::unique_ptr<Tool>>& all() const { return tools_; }

private:
    void tell(Tool& tool, const char* selector);

    PluginManager& plugins_;
    FieldCommitter& fields_;
    std::vector<std::unique_ptr<Tool>> tools_;
    Tool* selected_ = nullptr;
};

} // namespace host
