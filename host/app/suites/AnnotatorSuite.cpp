// The AI Annotator suite: annotators and their redraw requests; and the Plug-in suite's
// option flags, kept on the plug-in's record.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIAnnotator.h"
#include "sdk/AIPlugin.h"

namespace host {

namespace {

Annotators& annotators()
{
    return Host::get().annotators();
}

ASErr AddAnnotator(SPPluginRef self, const char* name, AIAnnotatorHandle* annotator)
{
    if (ASErr error = injected(kAIAnnotatorSuite, "AddAnnotator"))
        return error;
    PluginRecord* owner = Host::get().plugins().find(self);
    if (owner == nullptr)
        return kBadParameterErr;
    return annotators().add(owner, name, annotator);
}

ASErr SetAnnotatorActive(AIAnnotatorHandle handle, ASBoolean active)
{
    if (ASErr error = injected(kAIAnnotatorSuite, "SetAnnotatorActive"))
        return error;
    Annotator* annotator = annotators().find(handle);
    if (annotator == nullptr)
        return kBadHandleErr;
    annotator->active = active != 0;
    return kNoErr;
}

ASErr GetAnnotatorActive(AIAnnotatorHandle handle, ASBoolean* active)
{
    if (ASErr error = injected(kAIAnnotatorSuite, "GetAnnotatorActive"))
        return error;
    const Annotator* annotator = annotators().find(handle);
    if (annotator == nullptr)
        return kBadHandleErr;
    if (active == nullptr)
        return kBadParameterErr;
    *active = annotator->active;
    return kNoErr;
}

ASErr InvalAnnotationRect(AIDocumentViewHandle, const AIRect* rect)
{
    if (ASErr error = injected(kAIAnnotatorSuite, "InvalAnnotationRect"))
        return error;
    if (rect == nullptr)
        return kBadParameterErr;
    annotators().invalidate(*rect);
    return kNoErr;
}

ASErr GetPluginOptions(SPPluginRef plugin, ai_int32* options)
{
    if (ASErr error = injected(kAIPluginSuite, "GetPluginOptions"))
        return error;
    const PluginRecord* record = Host::get().plugins().find(plugin);
    if (record == nullptr)
        return kBadHandleErr;
    if (options == nullptr)
        return kBadParameterErr;
    *options = record->options;
    return kNoErr;
}

ASErr SetPluginOptions(SPPluginRef plugin, ai_int32 options)
{
    if (ASErr error = injected(kAIPluginSuite, "SetPluginOptions"))
        return error;
    PluginRecord* record = Host::get().plugins().find(plugin);
    if (record == nullptr)
        return kBadHandleErr;
    record->options = options;
    return kNoErr;
}

const AIAnnotatorSuite kAnnotator = {AddAnnotator, SetAnnotatorActive, GetAnnotatorActive, InvalAnnotationRect};
const AIPluginSuite kPlugin = {GetPluginOptions, SetPluginOptions};

} // namespace

void installAnnotatorSuite(SuiteRegistry& registry)
{
    registry.add(kAIAnnotatorSuite, kAIAnnotatorSuiteVersion, &kAnnotator);
    registry.add(kAIPluginSuite, kAIPluginSuiteVersion, &kPlugin);
}

} // namespace host
