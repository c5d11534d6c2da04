#include "Change.h"

#include "Document.h"

namespace host::doc {

Change::Change() = default;
Change::~Change() = default;
Change::Change(Change&&) noexcept = default;
Change& Change::operator=(Change&&) noexcept = default;

size_t Change::bytes() const
{
    // A hash map's node: the key, the pointer, the link and the bucket's share.
    constexpr size_t kNode = 4 * sizeof(void*);
    size_t total = sizeof(Change) + arts.bytes();
    for (const auto& [id, layer] : layers)
        total += kNode + (layer != nullptr ? sizeof(Layer) + layer->title.capacity() : 0);
    if (order)
        total += order->capacity() * sizeof(AILayerHandle);
    return total;
}

} // namespace host::doc
