#include "ArtTable.h"

namespace host::doc {

const ArtTable::Slot* ArtTable::liveSlot(uintptr_t id) const
{
    const uintptr_t page = id >> kPageBits;
    if (page >= pages_.size() || pages_[page] == nullptr)
        return nullptr;
    const Slot& slot = pages_[page]->slots[id & (kPageSize - 1)];
    return slot.live ? &slot : nullptr;
}

const Art* ArtTable::find(uintptr_t id) const
{
    const Slot* slot = liveSlot(id);
    return slot != nullptr ? &*slot->art : nullptr;
}

Art* ArtTable::find(uintptr_t id)
{
    Slot* found = slot(id);
    return found != nullptr ? &*found->art : nullptr;
}

ArtTable::Slot* ArtTable::slot(uintptr_t id)
{
    return const_cast<Slot*>(liveSlot(id));
}

ArtTable::Slot& ArtTable::claim(uintptr_t id)
{
    const uintptr_t index = id >> kPageBits;
    if (index >= pages_.size())
        pages_.resize(index + 1);
    std::unique_ptr<Page>& page = pages_[index];
    if (page == nullptr)
        page.reset(new Page); // each slot empty, without clearing the whole page first
    Slot& slot = page->slots[id & (kPageSize - 1)];
    if (!slot.live) {
        slot.live = true;
        ++page->live;
        ++size_;
    }
    slot.recordedIn = 0;
    return slot;
}

ArtTable::Slot& ArtTable::put(uintptr_t id, Art art)
{
    Slot& slot = claim(id);
    slot.art = std::move(art);
    return slot;
}

ArtTable::Slot& ArtTable::make(uintptr_t id)
{
    Slot& slot = claim(id);
    slot.art.emplace();
    return slot;
}

void ArtTable::erase(uintptr_t id)
{
    Slot* found = slot(id);
    if (found == nullptr)
        return;
    found->art.reset();
    found->live = false;
    found->recordedIn = 0;
    --size_;
    std::unique_ptr<Page>& page = pages_[id >> kPageBits];
    if (--page->live == 0) {
        page.reset();
        while (!pages_.empty() && pages_.back() == nullptr)
            pages_.pop_back();
    }
}

} // namespace host::doc
