// SP Basic, SP Access and SP Plug-ins: how plug-ins get suites, stay loaded and are named.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/SPAccess.h"
#include "sdk/SPPlugins.h"

#include <cstdlib>
#include <cstring>

namespace host {

namespace {

ASErr AcquireSuite(const char* name, ai_int32 version, const void** suite)
{
    return Host::get().suites().acquire(name, version, suite);
}

ASErr ReleaseSuite(const char* name, ai_int32 version)
{
    return Host::get().suites().release(name, version);
}

ASBoolean IsEqual(const char* token1, const char* token2)
{
    if (token1 == nullptr || token2 == nullptr)
        return token1 == token2;
    return std::strcmp(token1, token2) == 0;
}

ASErr AllocateBlock(size_t size, void** block)
{
    if (block == nullptr)
        return kBadParameterErr;
    *block = std::malloc(size == 0 ? 1 : size);
    return *block == nullptr ? kOutOfMemoryErr : kNoErr;
}

ASErr FreeBlock(void* block)
{
    std::free(block);
    return kNoErr;
}

ASErr ReallocateBlock(void* block, size_t newSize, void** newBlock)
{
    if (newBlock == nullptr)
        return kBadParameterErr;
    void* grown = std::realloc(block, newSize == 0 ? 1 : newSize);
    if (grown == nullptr)
        return kOutOfMemoryErr;
    *newBlock = grown;
    return kNoErr;
}

ASErr AcquirePlugin(SPPluginRef plugin, SPAccessRef* access)
{
    if (ASErr error = injected(kSPAccessSuite, "AcquirePlugin"))
        return error;
    return Host::get().plugins().acquireAccess(plugin, access);
}

ASErr ReleasePlugin(SPAccessRef access)
{
    if (ASErr error = injected(kSPAccessSuite, "ReleasePlugin"))
        return error;
    return Host::get().plugins().releaseAccess(access);
}

ASErr SetPluginName(SPPluginRef ref, const char* name)
{
    if (ASErr error = injected(kSPPluginsSuite, "SetPluginName"))
        return error;
    if (name == nullptr)
        return kBadParameterErr;
    PluginRecord* plugin = Host::get().plugins().find(ref);
    if (plugin == nullptr)
        return kBadHandleErr;
    plugin->registeredName = name;
    return kNoErr;
}

ASErr GetPluginName(SPPluginRef ref, const char** name)
{
    if (name == nullptr)
        return kBadParameterErr;
    PluginRecord* plugin = Host::get().plugins().find(ref);
    if (plugin == nullptr)
        return kBadHandleErr;
    *name = plugin->registeredName.c_str();
    return kNoErr;
}

const SPAccessSuite kAccess = {AcquirePlugin, ReleasePlugin};
const SPPluginsSuite kPlugins = {SetPluginName, GetPluginName};

} // namespace

SPBasicSuite basicSuite()
{
    return SPBasicSuite{AcquireSuite, ReleaseSuite, IsEqual, AllocateBlock, FreeBlock, ReallocateBlock};
}

void installSPSuites(SuiteRegistry& registry)
{
    registry.add(kSPAccessSuite, kSPAccessSuiteVersion, &kAccess);
    registry.add(kSPPluginsSuite, kSPPluginsSuiteVersion, &kPlugins);
}

} // namespace host
