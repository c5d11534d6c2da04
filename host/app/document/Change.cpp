#include "Change.h"

#include "Document.h"

namespace host::doc {

Change::Change() = default;
Change::~Change() = default;
Change::Change(Change&&) noexcept = default;
Change& Change::operator=(Change&&) noexcept = default;

namespace {

// A hash map's node: the key, the pointer, the link and the bucket's share.
constexpr size_t kNode = 4 * sizeof(void*);

size_t bytesOf(const Art& art)
{
    return sizeof(Art) + art.name.capacity() + art.children.capacity() * sizeof(AIArtHandle) +
           art.segments.capacity() * sizeof(AIPathSegment) + art.text.capacity() * sizeof(char16_t) +
           // Counted whole even where the live art shares it: the budget errs on the safe side.
           art.dictionary.memoryBytes();
}

} // namespace

size_t Change::bytes() const
{
    size_t total = sizeof(Change);
    for (const auto& [id, art] : arts)
        total += kNode + (art != nullptr ? bytesOf(*art) : 0);
    for (const auto& [id, layer] : layers)
        total += kNode + (layer != nullptr ? sizeof(Layer) + layer->title.capacity() : 0);
    if (order)
        total += order->capacity() * sizeof(AILayerHandle);
    return total;
}

} // namespace host::doc
