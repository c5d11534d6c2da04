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
        Slot(ArtKind kind, const Shared<AIPathStyle>& style) : art(kind, style) {}
        explicit Slot(Art&& made) : art(std::move(made)) {}

        uint64_t recordedIn = 0; // the record that holds the art's former state; 0 for none
        Art art;
    };

    ArtTable() = default;
    ArtTable(const ArtTable&) = delete;
    ArtTable& operator=(const ArtTable&) = delete;
    ArtTable(ArtTable&& other) noexcept
        : slots_(std::move(other.slots_)), lastId_(std::exchange(other.lastId_, 0)), last_(std::exchange(other.last_, nullptr))
    {
    }
    ArtTable& operator=(ArtTable&& other) noexcept
    {
        if (this == &other)
            return *this;
        slots_ = std::move(other.slots_);
        lastId_ = std::exchange(other.lastId_, 0);
        last_ = std::exchange(other.last_, nullptr);
        return *this;
    }
    ~ArtTable() = default;

    // Null for a handle that holds no art, whatever its number.
    const Art* find(uintptr_t id) const
    {
        const Slot* found = id == lastId_ ? last_ : slots_.find(id);
        return found != nullptr ? &found->art : nullptr;
    }
    Art* find(uintptr_t id)
    {
        Slot* found = slot(id);
        return found != nullptr ? &found->art : nullptr;
    }
    // The slot of live art; null where there is none.
    Slot* slot(uintptr_t id)
    {
        if (id == lastId_)
            return last_;
        Slot* found = slots_.find(id);
        if (found != nullptr)
            remember(id, *found);
        return found;
    }
    // Puts the art in the handle's slot, in the place of any art there: its slot.
    Slot& put(uintptr_t id, Art art)
    {
        forget(id);
        return remember(id, slots_.emplace(id, std::move(art)));
    }
    // New art as Art(kind, style) makes it, in the handle's slot: its slot.
    Slot& make(uintptr_t id, ArtKind kind, const Shared<AIPathStyle>& style = {})
    {
        forget(id);
        return remember(id, slots_.emplace(id, kind, style));
    }
    // Takes the handle's art away, if any.
    void erase(uintptr_t id)
    {
        forget(id);
        slots_.erase(id);
    }
    size_t size() const { return slots_.size(); }

private:
    Slot& remember(uintptr_t id, Slot& slot)
    {
        lastId_ = id;
        last_ = &slot;
        return slot;
    }
    // Before the handle's art goes or is replaced (whose making could throw).
    void forget(uintptr_t id)
    {
        if (id == lastId_) {
            lastId_ = 0;
            last_ = nullptr;
        }
    }

    PagedTable<Slot> slots_;
    // The slot last made or reached to be changed, found again without the pages: a path's
    // setters each reach the art its NewArt made. Handle 0 is never art's.
    uintptr_t lastId_ = 0;
    Slot* last_ = nullptr;
};

} // namespace host::doc
