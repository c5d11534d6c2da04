// The streams of bytes the host lends plug-ins: today the files of a plug-in's bundle
// resources. A filter is made closed, opened by linking it and read in chunks until a read
// gives 0 bytes; unlinking closes and frees it.
#pragma once

#include "sdk/AIDataFilter.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <unordered_map>

namespace host {

struct PluginRecord;

class DataFilters {
public:
    // The file of the plug-in's resource of that type: RESOURCES/NAME.EXT, or RESOURCES/ID.EXT
    // for a null name, EXT from the type. Empty for a type that has no files or a name that is
    // not a plain file name.
    static std::filesystem::path resourceFile(const PluginRecord& plugin, ai_int32 type, ai_int32 id,
                                              const char* name);

    // kNameNotFoundErr when there is no such file; kBadParameterErr for a null result pointer.
    ASErr newResource(const PluginRecord& plugin, ai_int32 type, ai_int32 id, const char* name, AIDataFilter** made);
    ASErr link(AIDataFilter* prev, AIDataFilter* next);
    ASErr read(AIDataFilter* filter, char* store, size_t* count);
    ASErr unlink(AIDataFilter* filter, AIDataFilter** next);

    size_t size() const { return filters_.size(); }

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    struct Filter {
        std::filesystem::path path;
        std::unique_ptr<std::FILE, Closer> file; // null until linked
        bool failed = false;                     // a read went wrong: every later read does too
    };

    // The code that says why `handle` names no filter, with *found set when it does.
    ASErr find(AIDataFilter* handle, Filter** found);

    std::unordered_map<std::uintptr_t, Filter> filters_;
    std::uintptr_t next_ = 1;
};

} // namespace host
