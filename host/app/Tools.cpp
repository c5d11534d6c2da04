#include "Tools.h"

#include "FieldCommitter.h"
#include "FirstWhere.h"
#include "PluginManager.h"

#include "Cursor.h"

namespace host {

namespace {

// The host's own tools, by name and title.
const char* const kHostTools[] = {"Adobe Select Tool",    "Adobe Direct Select Tool", "Adobe Pen Tool",
                                  "Adobe Rectangle Tool", "Adobe Type Tool",          "Adobe Eyedropper Tool",
                                  "Adobe Hand Tool",      "Adobe Zoom Tool"};

} // namespace

Tools::Tools(PluginManager& plugins, FieldCommitter& fields) : plugins_(plugins), fields_(fields)
{
    for (const char* name : kHostTools) {
        auto tool = std::make_unique<Tool>();
        tool->name = tool->title = tool->tooltip = name;
        tool->number = static_cast<AIToolType>(tools_.size());
        tool->group = tool->number;
        tools_.push_back(std::move(tool));
    }
    selected_ = tools_.front().get();
}

ASErr Tools::add(PluginRecord* owner, const char* name, const AIAddToolData* data, ai_int32 options, AIToolHandle* made)
{
    if (name == nullptr || data == nullptr || made == nullptr || data->title == nullptr || *data->title == '\0' ||
        withName(name) != nullptr)
        return kBadParameterErr;
    if ((data->sameGroupAs != kNoTool && withNumber(data->sameGroupAs) == nullptr) ||
        (data->sameToolsetAs != kNoTool && withNumber(data->sameToolsetAs) == nullptr))
        return kBadParameterErr;
    auto tool = std::make_unique<Tool>();
    tool->name = name;
    tool->title = data->title;
    tool->tooltip = data->tooltip != nullptr ? data->tooltip : "";
    tool->normalIcon = data->normalIconResID;
    tool->darkIcon = data->darkIconResID;
    tool->number = static_cast<AIToolType>(tools_.size());
    // A tool joins the group of the tool it names; that tool's group leader leads it.
    tool->group = data->sameGroupAs == kNoTool ? tool->number : withNumber(data->sameGroupAs)->group;
    tool->toolset = data->sameToolsetAs;
    tool->options = options;
    tool->owner = owner;
    *made = tool->handle();
    tools_.push_back(std::move(tool));
    return kNoErr;
}

Tool* Tools::find(AIToolHandle handle) const
{
    return firstWhere(tools_, [&](const auto& tool) { return tool.handle() == handle; });
}

Tool* Tools::withName(std::string_view name) const
{
    return firstWhere(tools_, [&](const auto& tool) { return tool.name == name; });
}

Tool* Tools::withTitle(std::string_view title) const
{
    return firstWhere(tools_, [&](const auto& tool) { return tool.title == title; });
}

Tool* Tools::withNumber(AIToolType number) const
{
    return number >= 0 && static_cast<size_t>(number) < tools_.size() ? tools_[static_cast<size_t>(number)].get()
                                                                        : nullptr;
}

void Tools::tell(Tool& tool, const char* selector)
{
    if (tool.owner == nullptr)
        return;
    AIToolMessage message{};
    message.tool = tool.handle();
    message.pressure = 1;
    plugins_.send(*tool.owner, kCallerAITool, selector, message.d);
}

void Tools::select(Tool& tool)
{
    if (selected_ == &tool)
        return;
    // What was typed into a panel's field goes to the tool it was typed for, and is drawn.
    fields_.commitTypedFields();
    Tool* previous = selected_;
    selected_ = &tool;
    if (previous != nullptr)
        tell(*previous, kSelectorAIDeselectTool);
    // The cursor is the selected tool's: a plug-in's tool sets its own when it is selected,
    // the host's own tools point with the arrow.
    if (tool.owner == nullptr)
        ns::Cursor::arrowCursor().set();
    tell(tool, kSelectorAISelectTool);
}

void Tools::reselect()
{
    if (selected_ != nullptr)
        tell(*selected_, kSelectorAIReselectTool);
}

} // namespace host
