// Looking up the objects a host part owns in a list: the first that answers what is wanted.
#pragma once

#include <memory>
#include <vector>

namespace host {

// The first object of `owned`, in its order, for which `wanted` is true; null for none.
template <typename Object, typename Wanted>
Object* firstWhere(const std::vector<std::unique_ptr<Object>>& owned, Wanted wanted)
{
    for (const auto& object : owned)
        if (wanted(*object))
            return object.get();
    return nullptr;
}

} // namespace host
