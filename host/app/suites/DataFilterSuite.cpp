// The AI Data Filter suite: a plug-in's bundle resources read as streams of bytes.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIDataFilter.h"

namespace host {

namespace {

DataFilters& filters()
{
    return Host::get().dataFilters();
}

ASErr NewResourceDataFilter(SPPluginRef plugin, ai_int32 type, ai_int32 id, const char* name, AIDataFilter** filter)
{
    if (ASErr error = injected(kAIDataFilterSuite, "NewResourceDataFilter"))
        return error;
    const PluginRecord* owner = Host::get().plugins().find(plugin);
    if (owner == nullptr)
        return kBadHandleErr;
    return filters().newResource(*owner, type, id, name, filter);
}

ASErr LinkDataFilter(AIDataFilter* prev, AIDataFilter* next)
{
    if (ASErr error = injected(kAIDataFilterSuite, "LinkDataFilter"))
        return error;
    return filters().link(prev, next);
}

ASErr ReadDataFilter(AIDataFilter* filter, char* store, size_t* count)
{
    if (ASErr error = injected(kAIDataFilterSuite, "ReadDataFilter"))
        return error;
    return filters().read(filter, store, count);
}

ASErr UnlinkDataFilter(AIDataFilter* filter, AIDataFilter** next)
{
    if (ASErr error = injected(kAIDataFilterSuite, "UnlinkDataFilter"))
        return error;
    return filters().unlink(filter, next);
}

const AIDataFilterSuite kDataFilter = {
    .NewResourceDataFilter = NewResourceDataFilter,
    .LinkDataFilter = LinkDataFilter,
    .ReadDataFilter = ReadDataFilter,
    .UnlinkDataFilter = UnlinkDataFilter,
};

} // namespace

void installDataFilterSuite(SuiteRegistry& registry)
{
    registry.add(kAIDataFilterSuite, kAIDataFilterSuiteVersion, &kDataFilter);
}

} // namespace host
