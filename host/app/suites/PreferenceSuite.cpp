// AI Preference: the plug-ins' typed values in the host's store (PreferenceStore.h), and the
// host's own keys, which answer the host's factory values until something is stored.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "document/Unicode.h"
#include "sdk/AIPreference.h"

#include <string_view>

namespace host {

namespace {

// The host's own keys (the null prefix) and their factory values: the smart guides' colour,
// as fractions of full intensity.
struct HostDefault {
    const char* key;
    PreferenceValue value;
};
const HostDefault kHostDefaults[] = {
    {"snapomatic/Color/red", 0.8},
    {"snapomatic/Color/green", 0.1},
    {"snapomatic/Color/blue", 0.7},
};

std::string_view prefixOf(const char* prefix)
{
    return prefix == nullptr ? std::string_view() : std::string_view(prefix);
}

const PreferenceValue* lookUp(const char* prefix, const char* key)
{
    if (const PreferenceValue* stored = Host::get().preferences().find(prefixOf(prefix), key))
        return stored;
    if (!prefixOf(prefix).empty())
        return nullptr;
    for (const HostDefault& factory : kHostDefaults)
        if (std::string_view(key) == factory.key)
            return &factory.value;
    return nullptr;
}

// Reads a value of kind T; a missing key or one of another kind is no such key.
template <typename T>
ASErr get(const char* operation, const char* prefix, const char* key, T* value)
{
    if (ASErr error = injected(kAIPreferenceSuite, operation))
        return error;
    if (key == nullptr || value == nullptr)
        return kBadParameterErr;
    const PreferenceValue* stored = lookUp(prefix, key);
    if (stored == nullptr || !std::holds_alternative<T>(*stored))
        return kNoSuchKeyErr;
    *value = std::get<T>(*stored);
    return kNoErr;
}

// Stores and saves at once; a store that could not be saved answers kWriteErr (the value is
// kept for this run all the same).
ASErr put(const char* operation, const char* prefix, const char* key, PreferenceValue value)
{
    if (ASErr error = injected(kAIPreferenceSuite, operation))
        return error;
    if (key == nullptr)
        return kBadParameterErr;
    // JSON has no infinities or NaN, and holds UTF-8 text only.
    if (const double* real = std::get_if<double>(&value); real != nullptr && !finite(*real))
        return kBadParameterErr;
    if (const std::string* text = std::get_if<std::string>(&value); text != nullptr && !doc::isUtf8(*text))
        return kBadParameterErr;
    return Host::get().preferences().put(prefixOf(prefix), key, std::move(value)) ? kNoErr : kWriteErr;
}

ASErr GetBooleanPreference(const char* prefix, const char* key, ASBoolean* value)
{
    bool stored = false;
    const ASErr error = get("GetBooleanPreference", prefix, key, value == nullptr ? nullptr : &stored);
    if (error == kNoErr)
        *value = stored;
    return error;
}

ASErr PutBooleanPreference(const char* prefix, const char* key, ASBoolean value)
{
    return put("PutBooleanPreference", prefix, key, value != 0);
}

ASErr GetIntegerPreference(const char* prefix, const char* key, ai_int32* value)
{
    return get("GetIntegerPreference", prefix, key, value);
}

ASErr PutIntegerPreference(const char* prefix, const char* key, ai_int32 value)
{
    return put("PutIntegerPreference", prefix, key, value);
}

ASErr GetRealPreference(const char* prefix, const char* key, double* value)
{
    return get("GetRealPreference", prefix, key, value);
}

ASErr PutRealPreference(const char* prefix, const char* key, double value)
{
    return put("PutRealPreference", prefix, key, value);
}

ASErr GetStringPreference(const char* prefix, const char* key, char* value, ai_int32 length)
{
    if (ASErr error = injected(kAIPreferenceSuite, "GetStringPreference"))
        return error;
    if (key == nullptr || value == nullptr || length < 1)
        return kBadParameterErr;
    const PreferenceValue* stored = lookUp(prefix, key);
    if (stored == nullptr || !std::holds_alternative<std::string>(*stored))
        return kNoSuchKeyErr;
    copyCut(std::get<std::string>(*stored), value, length);
    return kNoErr;
}

ASErr PutStringPreference(const char* prefix, const char* key, const char* value)
{
    if (value == nullptr) {
        if (ASErr error = injected(kAIPreferenceSuite, "PutStringPreference"))
            return error;
        return kBadParameterErr;
    }
    return put("PutStringPreference", prefix, key, std::string(value));
}

ASErr RemovePreference(const char* prefix, const char* key)
{
    if (ASErr error = injected(kAIPreferenceSuite, "RemovePreference"))
        return error;
    if (key == nullptr)
        return kBadParameterErr;
    PreferenceStore& store = Host::get().preferences();
    if (store.find(prefixOf(prefix), key) == nullptr)
        return kNoSuchKeyErr;
    return store.remove(prefixOf(prefix), key) ? kNoErr : kWriteErr;
}

const AIPreferenceSuite kPreference = {
    GetBooleanPreference, PutBooleanPreference, GetIntegerPreference, PutIntegerPreference, GetRealPreference,
    PutRealPreference,    GetStringPreference,  PutStringPreference,  RemovePreference,
};

} // namespace

void installPreferenceSuite(SuiteRegistry& registry)
{
    registry.add(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &kPreference);
}

} // namespace host
