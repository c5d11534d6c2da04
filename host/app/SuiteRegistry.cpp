#include "SuiteRegistry.h"

namespace host {

void SuiteRegistry::add(const std::string& name, ai_int32 version, const void* table)
{
    entries_[{name, version}].table = table;
}

ASErr SuiteRegistry::acquire(const char* name, ai_int32 version, const void** table)
{
    if (name == nullptr || table == nullptr)
        return kSPBadParameterError;
    *table = nullptr;
    auto it = entries_.find({name, version});
    if (it == entries_.end() || unavailable_.count(name) != 0)
        return kSPSuiteNotFoundError;
    ++it->second.references;
    ++it->second.acquisitions;
    *table = it->second.table;
    return kNoErr;
}

ASErr SuiteRegistry::release(const char* name, ai_int32 version)
{
    if (name == nullptr)
        return kSPBadParameterError;
    auto it = entries_.find({name, version});
    if (it == entries_.end())
        return kSPSuiteNotFoundError;
    if (it->second.references == 0)
        return kSPNotAcquiredError;
    --it->second.references;
    return kNoErr;
}

void SuiteRegistry::setUnavailable(const std::string& name, bool unavailable)
{
    if (unavailable)
        unavailable_.insert(name);
    else
        unavailable_.erase(name);
}

bool SuiteRegistry::has(const std::string& name, ai_int32 version) const
{
    return entries_.count({name, version}) != 0;
}

int SuiteRegistry::references(const std::string& name, ai_int32 version) const
{
    auto it = entries_.find({name, version});
    return it == entries_.end() ? 0 : it->second.references;
}

int SuiteRegistry::acquisitions(const std::string& name, ai_int32 version) const
{
    auto it = entries_.find({name, version});
    return it == entries_.end() ? 0 : it->second.acquisitions;
}

int SuiteRegistry::totalReferences() const
{
    int total = 0;
    for (const auto& [key, entry] : entries_)
        total += entry.references;
    return total;
}

std::vector<std::pair<std::string, ai_int32>> SuiteRegistry::held() const
{
    std::vector<Key> keys;
    for (const auto& [key, entry] : entries_)
        if (entry.references > 0)
            keys.push_back(key);
    return keys;
}

std::vector<std::pair<std::string, ai_int32>> SuiteRegistry::all() const
{
    std::vector<Key> keys;
    for (const auto& [key, entry] : entries_)
        keys.push_back(key);
    return keys;
}

} // namespace host
