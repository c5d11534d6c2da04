#include "DataFilters.h"

#include "PluginManager.h"

#include <string>
#include <string_view>
#include <system_error>

namespace host {

namespace fs = std::filesystem;

namespace {

// The resource types whose resources are files of the bundle's Resources folder.
struct ResourceType {
    ai_int32 type;
    const char* extension;
};
const ResourceType kResourceTypes[] = {
    {AS_FOUR_CHAR('P', 'N', 'G', 'I'), ".png"},
};

// A name that stays inside the Resources folder.
bool plainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

} // namespace

fs::path DataFilters::resourceFile(const PluginRecord& plugin, ai_int32 type, ai_int32 id, const char* name)
{
    const std::string stem = name != nullptr ? std::string(name) : std::to_string(id);
    if (plugin.resources.empty() || !plainFileName(stem))
        return {};
    for (const ResourceType& known : kResourceTypes)
        if (known.type == type)
            return plugin.resources / (stem + known.extension);
    return {};
}

ASErr DataFilters::newResource(const PluginRecord& plugin, ai_int32 type, ai_int32 id, const char* name,
                               AIDataFilter** made)
{
    if (made == nullptr || (name != nullptr && !plainFileName(name)))
        return kBadParameterErr;
    const fs::path path = resourceFile(plugin, type, id, name);
    std::error_code error;
    if (path.empty() || !fs::is_regular_file(path, error))
        return kNameNotFoundErr;
    const std::uintptr_t number = next_++;
    filters_.emplace(number, Filter{path, nullptr, false});
    *made = reinterpret_cast<AIDataFilter*>(number);
    return kNoErr;
}

ASErr DataFilters::find(AIDataFilter* handle, Filter** found)
{
    if (handle == nullptr)
        return kBadParameterErr;
    auto it = filters_.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == filters_.end())
        return kBadHandleErr;
    *found = &it->second;
    return kNoErr;
}

ASErr DataFilters::link(AIDataFilter* prev, AIDataFilter* next)
{
    Filter* filter = nullptr;
    if (ASErr error = find(next, &filter))
        return error;
    // A resource is where a chain starts: nothing can stand before it, and it opens once.
    if (prev != nullptr || filter->file)
        return kBadParameterErr;
    filter->file.reset(std::fopen(filter->path.c_str(), "rb"));
    return filter->file ? kNoErr : kNameNotFoundErr;
}

ASErr DataFilters::read(AIDataFilter* handle, char* store, size_t* count)
{
    Filter* filter = nullptr;
    if (ASErr error = find(handle, &filter))
        return error;
    if (count == nullptr || (store == nullptr && *count > 0) || !filter->file)
        return kBadParameterErr;
    if (filter->failed) {
        *count = 0;
        return kDataFilterReadErr;
    }
    const size_t wanted = *count;
    const size_t got = wanted == 0 ? 0 : std::fread(store, 1, wanted, filter->file.get());
    if (got < wanted && std::ferror(filter->file.get())) {
        // Half a chunk would pass for the end of the resource.
        filter->failed = true;
        *count = 0;
        return kDataFilterReadErr;
    }
    *count = got;
    return kNoErr;
}

ASErr DataFilters::unlink(AIDataFilter* handle, AIDataFilter** next)
{
    Filter* filter = nullptr;
    if (ASErr error = find(handle, &filter))
        return error;
    filters_.erase(reinterpret_cast<std::uintptr_t>(handle));
    if (next != nullptr)
        *next = nullptr; // a resource filter stands behind nothing
    return kNoErr;
}

} // namespace host
