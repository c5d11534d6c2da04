// The document's art by handle. Handles are numbers given out in sequence and never twice, and
// art is made and disposed of in runs (a table's thousands of objects at each rebuild), so the
// art lives in pages of consecutive handles: finding one is an index, a page comes when the
// first art of its handles does and goes with the last.
//
// Each slot also holds the number of the record its art's former state went into, so that the
// document records each object once per step without looking it up.
#pragma once

#include "Art.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace host::doc {

class ArtTable {
public:
    struct Slot {
        uint64_t recordedIn = 0; // the record that holds the art's former state; 0 for none
        bool live = false;       // whether `art` holds art: read with the art's first bytes
        std::optional<Art> art;
    };

    ArtTable() = default;
    ArtTable(const ArtTable&) = delete;
    ArtTable& operator=(const ArtTable&) = delete;
    ArtTable(ArtTable&&) noexcept = default;
    ArtTable& operator=(ArtTable&&) noexcept = default;

    // Null for a handle that holds no art, whatever its number.
    const Art* find(uintptr_t id) const;
    Art* find(uintptr_t id);
    // The slot of live art; null where there is none.
    Slot* slot(uintptr_t id);
    // Puts the art in the handle's slot, in the place of any art there: its slot.
    Slot& put(uintptr_t id, Art art);
    // New art as Art{} makes it, in the handle's slot, which held none: its slot.
    Slot& make(uintptr_t id);
    // Takes the handle's art away, if any; its page goes with the last art of its handles.
    void erase(uintptr_t id);
    size_t size() const { return size_; }

private:
    static constexpr unsigned kPageBits = 9;
    static constexpr size_t kPageSize = size_t{1} << kPageBits;
    struct Page {
        std::array<Slot, kPageSize> slots;
        size_t live = 0;
    };
    const Slot* liveSlot(uintptr_t id) const;
    // The handle's slot, its page made where needed, counted live.
    Slot& claim(uintptr_t id);

    std::vector<std::unique_ptr<Page>> pages_;
    size_t size_ = 0;
};

} // namespace host::doc
