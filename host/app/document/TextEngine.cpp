#include "TextEngine.h"

#include <algorithm>

namespace host::doc {

namespace {

uintptr_t idOf(const void* ref)
{
    return reinterpret_cast<uintptr_t>(ref);
}

} // namespace

void* TextEngine::make(Object object)
{
    object.references = 1;
    const uintptr_t id = nextHandle();
    objects_.emplace(id, std::move(object));
    ++references_;
    return reinterpret_cast<void*>(id);
}

TextEngine::Object* TextEngine::find(const void* ref, Kind kind)
{
    auto it = objects_.find(idOf(ref));
    if (it == objects_.end() || it->second.kind != kind)
        return nullptr;
    return &it->second;
}

ASErr TextEngine::addRef(const void* ref, Kind kind)
{
    Object* object = find(ref, kind);
    if (object == nullptr)
        return kBadHandleErr;
    ++object->references;
    ++references_;
    return kNoErr;
}

ASErr TextEngine::release(const void* ref, Kind kind)
{
    Object* object = find(ref, kind);
    if (object == nullptr)
        return kBadHandleErr;
    --references_;
    if (--object->references == 0)
        objects_.erase(idOf(ref));
    return kNoErr;
}

size_t TextEngine::liveObjects(Kind kind) const
{
    return static_cast<size_t>(std::count_if(objects_.begin(), objects_.end(),
                                             [kind](const auto& entry) { return entry.second.kind == kind; }));
}

AIUnicodeStringRef TextEngine::makeString(UnicodeString string)
{
    const uintptr_t id = nextHandle();
    strings_.emplace(id, std::move(string));
    return reinterpret_cast<AIUnicodeStringRef>(id);
}

TextEngine::UnicodeString* TextEngine::string(AIUnicodeStringRef ref)
{
    auto it = strings_.find(idOf(ref));
    return it == strings_.end() ? nullptr : &it->second;
}

bool TextEngine::destroyString(AIUnicodeStringRef ref)
{
    return strings_.erase(idOf(ref)) != 0;
}

} // namespace host::doc
