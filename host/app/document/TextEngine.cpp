#include "TextEngine.h"

#include <algorithm>
#include <new>

namespace host::doc {

namespace {

uintptr_t idOf(const void* ref)
{
    return reinterpret_cast<uintptr_t>(ref);
}

} // namespace

void* TextEngine::make(const Object& object)
{
    try {
        const auto made = objects_.emplace(object);
        made.value.references = 1;
        ++references_;
        return reinterpret_cast<void*>(made.handle);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

TextEngine::Object* TextEngine::find(const void* ref, Kind kind)
{
    Object* found = objects_.find(idOf(ref));
    return found != nullptr && found->kind == kind ? found : nullptr;
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
    size_t count = 0;
    objects_.forEach([&](const Object& object) { count += object.kind == kind ? 1 : 0; });
    return count;
}

AIUnicodeStringRef TextEngine::makeString(UnicodeString string)
{
    const uintptr_t id = nextString_++;
    strings_.emplace(id, std::move(string));
    return reinterpret_cast<AIUnicodeStringRef>(id);
}

TextEngine::UnicodeString* TextEngine::string(AIUnicodeStringRef ref)
{
    return strings_.find(idOf(ref));
}

bool TextEngine::destroyString(AIUnicodeStringRef ref)
{
    return strings_.erase(idOf(ref));
}

} // namespace host::doc
