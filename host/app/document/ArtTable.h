// The document's art by handle, in pages of consecutive handles (PagedTable.h). Each slot also
// holds the number of the record its art's former state went into, so that the document
// records each object once per step without looking it up.
#pragma once

#include "Art.h"
#include "PagedTable.h"

#include <cstddef>
#include <cstdint>
#include <utility>

namespace host::doc {

class ArtTable {
public:
    struct Slot {
        uint64_t recordedIn = 0; // the record that holds the art's former state; 0 for none
        Art art;
    };

    // Null for a handle that holds no art, whatever its number.
    const Art* find(uintptr_t id) const
    {
        const Slot* found = slots_.find(id);
        return found != nullptr ? &found->art : nullptr;
    }
    Art* find(uintptr_t id)
    {
        Slot* found = slots_.find(id);
        return found != nullptr ? &found->art : nullptr;
    }
    // The slot of live art; null where there is none.
    Slot* slot(uintptr_t id) { return slots_.find(id); }
    // Puts the art in the handle's slot, in the place of any art there: its slot.
    Slot& put(uintptr_t id, Art art) { return slots_.emplace(id, Slot{0, std::move(art)}); }
    // New art as Art{} makes it, in the handle's slot: its slot.
    Slot& make(uintptr_t id) { return slots_.emplace(id); }
    // Takes the handle's art away, if any.
    void erase(uintptr_t id) { slots_.erase(id); }
    size_t size() const { return slots_.size(); }

private:
    PagedTable<Slot> slots_;
};

} // namespace host::doc
