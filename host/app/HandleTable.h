// Opaque handles for host objects: a handle is a number that is never given out twice, so a
// disposed handle never becomes valid again, and looking one up costs the same however many
// objects there are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace host {

template <typename Handle, typename Object>
class HandleTable {
public:
    Handle add(Object object)
    {
        const std::uintptr_t id = next_++;
        objects_.emplace(id, std::move(object));
        return reinterpret_cast<Handle>(id);
    }

    // Null for a handle that is null, disposed or was never given out.
    Object* find(Handle handle)
    {
        auto it = objects_.find(reinterpret_cast<std::uintptr_t>(handle));
        return it == objects_.end() ? nullptr : &it->second;
    }
    const Object* find(Handle handle) const
    {
        auto it = objects_.find(reinterpret_cast<std::uintptr_t>(handle));
        return it == objects_.end() ? nullptr : &it->second;
    }

    bool remove(Handle handle) { return objects_.erase(reinterpret_cast<std::uintptr_t>(handle)) != 0; }
    size_t size() const { return objects_.size(); }

private:
    std::unordered_map<std::uintptr_t, Object> objects_;
    std::uintptr_t next_ = 1;
};

} // namespace host
