// AI Dictionary: the named values plug-ins keep on art (doc::Dictionary), reached through
// counted references.
//
// A reference names its art, not a copy: it sees every change to the art's dictionary, undo's
// and redo's included, and answers kBadHandleErr while the art is not live (disposed, taken
// away by an undo, or in a document replaced since). Each change goes through the document's
// edit, so that the history records the art's former state; a Set that leaves the entry as it
// was records nothing, so that a plug-in writing its settings again at every rebuild changes
// the drawing only where they differ. Every Get and Set checks the reference first, then the
// other arguments; a refused call changes nothing.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIDictionary.h"

#include <type_traits>

namespace host {

namespace {

using doc::Dictionary;
using doc::DictionaryValue;

// The art the reference reaches: kBadHandleErr for a reference not held or art not live.
ASErr artOf(AIDictionaryRef dictionary, AIArtHandle* art)
{
    const DictionaryReference* reference = Host::get().dictionaries().find(dictionary);
    if (reference == nullptr || !document().valid(reference->art))
        return kBadHandleErr;
    *art = reference->art;
    return kNoErr;
}

// The entry of `key` in the dictionary the reference reaches; checks in the order every
// operation gives them.
ASErr entryOf(AIDictionaryRef dictionary, const char* key, const DictionaryValue** entry)
{
    AIArtHandle art = nullptr;
    if (ASErr error = artOf(dictionary, &art))
        return error;
    if (key == nullptr)
        return kBadParameterErr;
    *entry = document().art(art)->dictionary.find(key);
    return kNoErr;
}

ASErr GetArtDictionary(AIArtHandle art, AIDictionaryRef* dictionary)
{
    if (ASErr error = injected(kAIDictionarySuite, "GetArtDictionary"))
        return error;
    if (!document().valid(art))
        return kBadHandleErr;
    if (dictionary == nullptr)
        return kBadParameterErr;
    *dictionary = Host::get().dictionaries().add(DictionaryReference{art, 1});
    return kNoErr;
}

ASBoolean HasArtDictionary(AIArtHandle art)
{
    if (injected(kAIDictionarySuite, "HasArtDictionary") != kNoErr)
        return false;
    const doc::Art* found = document().art(art);
    return found != nullptr && !found->dictionary.empty();
}

ASErr AddRef(AIDictionaryRef dictionary)
{
    if (ASErr error = injected(kAIDictionarySuite, "AddRef"))
        return error;
    DictionaryReference* reference = Host::get().dictionaries().find(dictionary);
    if (reference == nullptr)
        return kBadHandleErr;
    ++reference->taken;
    return kNoErr;
}

ASErr Release(AIDictionaryRef dictionary)
{
    if (ASErr error = injected(kAIDictionarySuite, "Release"))
        return error;
    auto& references = Host::get().dictionaries();
    DictionaryReference* reference = references.find(dictionary);
    if (reference == nullptr)
        return kBadParameterErr;
    if (--reference->taken == 0)
        references.remove(dictionary);
    return kNoErr;
}

ASErr CountEntries(AIDictionaryRef dictionary, ai_int32* count)
{
    if (ASErr error = injected(kAIDictionarySuite, "CountEntries"))
        return error;
    AIArtHandle art = nullptr;
    if (ASErr error = artOf(dictionary, &art))
        return error;
    if (count == nullptr)
        return kBadParameterErr;
    *count = static_cast<ai_int32>(document().art(art)->dictionary.size());
    return kNoErr;
}

ASErr GetEntryType(AIDictionaryRef dictionary, const char* key, AIEntryType* type)
{
    if (ASErr error = injected(kAIDictionarySuite, "GetEntryType"))
        return error;
    const DictionaryValue* entry = nullptr;
    if (ASErr error = entryOf(dictionary, key, &entry))
        return error;
    if (type == nullptr)
        return kBadParameterErr;
    // The variant's kinds are in the order of the suite's entry types.
    *type = entry == nullptr ? AIEntryType{kNoEntryType} : static_cast<AIEntryType>(kIntegerEntryType + entry->index());
    return kNoErr;
}

ASErr DeleteEntry(AIDictionaryRef dictionary, const char* key)
{
    if (ASErr error = injected(kAIDictionarySuite, "DeleteEntry"))
        return error;
    AIArtHandle art = nullptr;
    if (ASErr error = artOf(dictionary, &art))
        return error;
    if (key == nullptr)
        return kBadParameterErr;
    if (document().art(art)->dictionary.find(key) == nullptr)
        return kNoSuchKeyErr;
    document().edit(art)->dictionary.erase(key);
    return kNoErr;
}

// Every Get: the entry's value when it is of the kind asked for.
template <typename T>
ASErr getEntry(const char* operation, AIDictionaryRef dictionary, const char* key, T* value)
{
    if (ASErr error = injected(kAIDictionarySuite, operation))
        return error;
    const DictionaryValue* entry = nullptr;
    if (ASErr error = entryOf(dictionary, key, &entry))
        return error;
    if (value == nullptr)
        return kBadParameterErr;
    if (entry == nullptr)
        return kNoSuchKeyErr;
    if constexpr (std::is_same_v<T, const char*>) {
        const doc::DictionaryText* text = std::get_if<doc::DictionaryText>(entry);
        if (text == nullptr)
            return kBadParameterErr;
        *value = (*text)->c_str();
    } else if constexpr (std::is_same_v<T, ASBoolean>) {
        const bool* held = std::get_if<bool>(entry);
        if (held == nullptr)
            return kBadParameterErr;
        *value = *held;
    } else {
        const T* held = std::get_if<T>(entry);
        if (held == nullptr)
            return kBadParameterErr;
        *value = *held;
    }
    return kNoErr;
}

// Every Set: the entry replaced, unless it holds that value already.
ASErr setEntry(const char* operation, AIDictionaryRef dictionary, const char* key, DictionaryValue value)
{
    if (ASErr error = injected(kAIDictionarySuite, operation))
        return error;
    AIArtHandle art = nullptr;
    if (ASErr error = artOf(dictionary, &art))
        return error;
    if (key == nullptr)
        return kBadParameterErr;
    const Dictionary& held = document().art(art)->dictionary;
    if (const DictionaryValue* entry = held.find(key); entry != nullptr && doc::sameValue(*entry, value))
        return kNoErr;
    if (!held.fits(key, value))
        return kBadParameterErr;
    document().edit(art)->dictionary.set(key, std::move(value));
    return kNoErr;
}

ASErr GetIntegerEntry(AIDictionaryRef dictionary, const char* key, ai_int32* value)
{
    return getEntry("GetIntegerEntry", dictionary, key, value);
}

ASErr SetIntegerEntry(AIDictionaryRef dictionary, const char* key, ai_int32 value)
{
    return setEntry("SetIntegerEntry", dictionary, key, value);
}

ASErr GetBooleanEntry(AIDictionaryRef dictionary, const char* key, ASBoolean* value)
{
    return getEntry("GetBooleanEntry", dictionary, key, value);
}

ASErr SetBooleanEntry(AIDictionaryRef dictionary, const char* key, ASBoolean value)
{
    return setEntry("SetBooleanEntry", dictionary, key, value != 0);
}

ASErr GetRealEntry(AIDictionaryRef dictionary, const char* key, AIDouble* value)
{
    return getEntry("GetRealEntry", dictionary, key, value);
}

ASErr SetRealEntry(AIDictionaryRef dictionary, const char* key, AIDouble value)
{
    return setEntry("SetRealEntry", dictionary, key, static_cast<double>(value));
}

ASErr GetStringEntry(AIDictionaryRef dictionary, const char* key, const char** value)
{
    return getEntry("GetStringEntry", dictionary, key, value);
}

ASErr SetStringEntry(AIDictionaryRef dictionary, const char* key, const char* value)
{
    // No text is no value the dictionary may hold: refused as one that is not UTF-8.
    return setEntry("SetStringEntry", dictionary, key,
                    value != nullptr ? std::make_shared<const std::string>(value) : doc::DictionaryText());
}

const AIDictionarySuite kDictionary = {
    GetArtDictionary, HasArtDictionary, AddRef,          Release,         CountEntries,
    GetEntryType,     DeleteEntry,      GetIntegerEntry, SetIntegerEntry, GetBooleanEntry,
    SetBooleanEntry,  GetRealEntry,     SetRealEntry,    GetStringEntry,  SetStringEntry,
};

} // namespace

void installDictionarySuite(SuiteRegistry& registry)
{
    registry.add(kAIDictionarySuite, kAIDictionarySuiteVersion, &kDictionary);
}

} // namespace host
