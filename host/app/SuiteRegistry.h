// The suites the host lends, by name and version, with their reference counts.
#pragma once

#include "sdk/ASTypes.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace host {

class SuiteRegistry {
public:
    // `table` is a function table with static storage; the registry never owns it.
    void add(const std::string& name, ai_int32 version, const void* table);

    ASErr acquire(const char* name, ai_int32 version, const void** table);
    ASErr release(const char* name, ai_int32 version);

    // Fault injection: an unavailable suite answers kSPSuiteNotFoundError to every
    // acquisition, whatever its version.
    void setUnavailable(const std::string& name, bool unavailable);

    bool has(const std::string& name, ai_int32 version) const;
    int references(const std::string& name, ai_int32 version) const;
    int acquisitions(const std::string& name, ai_int32 version) const;
    int totalReferences() const;
    // (name, version) of every suite still referenced, for leak reports.
    std::vector<std::pair<std::string, ai_int32>> held() const;
    std::vector<std::pair<std::string, ai_int32>> all() const;

private:
    struct Entry {
        const void* table = nullptr;
        int references = 0;
        int acquisitions = 0;
    };
    using Key = std::pair<std::string, ai_int32>;
    std::map<Key, Entry> entries_;
    std::set<std::string> unavailable_;
};

} // namespace host
