// The AI Tool suite: tools added by plug-ins beside the host's own, found by title, selected.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AITool.h"

namespace host {

namespace {

Tools& tools()
{
    return Host::get().tools();
}

ASErr AddTool(SPPluginRef self, const char* name, const AIAddToolData* data, ai_int32 options, AIToolHandle* tool)
{
    if (ASErr error = injected(kAIToolSuite, "AddTool"))
        return error;
    PluginRecord* owner = Host::get().plugins().find(self);
    if (owner == nullptr)
        return kBadParameterErr;
    return tools().add(owner, name, data, options, tool);
}

ASErr SetToolInfoVars(AIToolHandle handle, const AIToolInfoVariable* infoVars)
{
    if (ASErr error = injected(kAIToolSuite, "SetToolInfoVars"))
        return error;
    Tool* tool = tools().find(handle);
    if (tool == nullptr)
        return kBadHandleErr;
    if (infoVars == nullptr)
        return kBadParameterErr;
    std::vector<AIToolInfoVariable> variables;
    // A list without its end marker is cut at a sane length rather than read past its end.
    for (size_t i = 0; infoVars[i] != kInfoEndOfList; ++i) {
        if (i == 64)
            return kBadParameterErr;
        variables.push_back(infoVars[i]);
    }
    tool->infoVariables = std::move(variables);
    return kNoErr;
}

ASErr GetToolNumberFromTitle(const char* title, AIToolType* toolNum)
{
    if (ASErr error = injected(kAIToolSuite, "GetToolNumberFromTitle"))
        return error;
    if (title == nullptr || toolNum == nullptr)
        return kBadParameterErr;
    const Tool* tool = tools().withTitle(title);
    if (tool == nullptr)
        return kNameNotFoundErr;
    *toolNum = tool->number;
    return kNoErr;
}

ASErr SetSelectedTool(AIToolHandle handle)
{
    if (ASErr error = injected(kAIToolSuite, "SetSelectedTool"))
        return error;
    Tool* tool = tools().find(handle);
    if (tool == nullptr)
        return kBadHandleErr;
    tools().select(*tool);
    return kNoErr;
}

ASErr SetSelectedToolByName(const char* name)
{
    if (ASErr error = injected(kAIToolSuite, "SetSelectedToolByName"))
        return error;
    if (name == nullptr)
        return kBadParameterErr;
    Tool* tool = tools().withName(name);
    if (tool == nullptr)
        return kNameNotFoundErr;
    tools().select(*tool);
    return kNoErr;
}

ASErr GetSelectedTool(AIToolHandle* handle)
{
    if (ASErr error = injected(kAIToolSuite, "GetSelectedTool"))
        return error;
    if (handle == nullptr)
        return kBadParameterErr;
    *handle = tools().selected()->handle();
    return kNoErr;
}

const AIToolSuite kTool = {AddTool, SetToolInfoVars, GetToolNumberFromTitle, SetSelectedTool, SetSelectedToolByName,
                           GetSelectedTool};

} // namespace

void installToolSuite(SuiteRegistry& registry)
{
    registry.add(kAIToolSuite, kAIToolSuiteVersion, &kTool);
}

} // namespace host
