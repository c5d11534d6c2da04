// AI Matching Art: the art the selection tool picked (Selection), in the order it was picked.
// The stand-in host has no text being typed into, so the selection is always what was picked.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIMatchingArt.h"

#include <algorithm>

namespace host {

namespace {

ASErr CountSelectedArt(ai_int32* count)
{
    if (ASErr error = injected(kAIMatchingArtSuite, "CountSelectedArt"))
        return error;
    if (count == nullptr)
        return kBadParameterErr;
    *count = static_cast<ai_int32>(Host::get().selection().art().size());
    return kNoErr;
}

ASErr GetSelectedArt(AIArtHandle* matches, ai_int32 capacity, ai_int32* count)
{
    if (ASErr error = injected(kAIMatchingArtSuite, "GetSelectedArt"))
        return error;
    if (count == nullptr || capacity < 0 || (matches == nullptr && capacity > 0))
        return kBadParameterErr;
    const std::vector<AIArtHandle> selected = Host::get().selection().art();
    const size_t given = std::min(selected.size(), static_cast<size_t>(capacity));
    std::copy_n(selected.begin(), given, matches);
    *count = static_cast<ai_int32>(selected.size());
    return kNoErr;
}

const AIMatchingArtSuite kMatchingArt = {CountSelectedArt, GetSelectedArt};

} // namespace

void installMatchingArtSuite(SuiteRegistry& registry)
{
    registry.add(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &kMatchingArt);
}

} // namespace host
