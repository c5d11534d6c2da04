// Objects by handle where objects live briefly and few live at once, as the text engine's
// references: a text frame's rebuild makes and gives back a handful of them in turn. A handle is
// the index of the object's slot and the number under which the slot was given out, so that a
// slot given back is taken again at once (the few slots in use stay in the cache), and still no
// handle is given out twice: a stale handle finds its slot given out under another number, or
// empty, and is refused.
//
// Handles have the top bit set, which no handle counted from a low first number reaches. An
// object stays where it was made until it is erased.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <utility>
#include <vector>

namespace host::doc {

template <typename T>
class SlotTable {
public:
    static_assert(std::numeric_limits<uintptr_t>::digits == 64, "a handle holds an index and a number of 43 bits");
    static constexpr uintptr_t kMark = uintptr_t{1} << 63;
    // The most objects alive at once is 2^kIndexBits; the numbers take the bits between.
    static constexpr unsigned kIndexBits = 20;
    static constexpr uintptr_t kIndexMask = (uintptr_t{1} << kIndexBits) - 1;
    static constexpr uintptr_t kLastNumber = (kMark >> kIndexBits) - 1;

    struct Made {
        uintptr_t handle;
        T& value;
    };
    // The object made from `args`, and its handle. Throws std::bad_alloc, nothing changed, when
    // there is no room for it: too many alive at once, or every number given out.
    template <typename... Args>
    Made emplace(Args&&... args)
    {
        if (number_ == kLastNumber)
            throw std::bad_alloc();
        if (free_.empty())
            addSlot();
        const uint32_t index = free_.back();
        Slot& slot = slotAt(index);
        slot.value.emplace(std::forward<Args>(args)...);
        free_.pop_back();
        slot.number = ++number_;
        ++size_;
        return {kMark | (slot.number << kIndexBits) | index, *slot.value};
    }

    // Null for a handle that holds nothing, whatever its number.
    const T* find(uintptr_t handle) const
    {
        if ((handle & kMark) == 0)
            return nullptr;
        const uintptr_t index = handle & kIndexMask;
        if (index >= count_)
            return nullptr;
        const Slot& slot = slotAt(index);
        if (!slot.value || slot.number != ((handle & ~kMark) >> kIndexBits))
            return nullptr;
        return &*slot.value;
    }
    T* find(uintptr_t handle) { return const_cast<T*>(std::as_const(*this).find(handle)); }

    // False when the handle held nothing.
    bool erase(uintptr_t handle)
    {
        if (find(handle) == nullptr)
            return false;
        const auto index = static_cast<uint32_t>(handle & kIndexMask);
        slotAt(index).value.reset();
        free_.push_back(index); // never grows: it has room for every slot
        if (--size_ == 0 && count_ > kSlotsKept) {
            // The numbers go on from where they were, so the slots can start again from none.
            pages_ = std::vector<std::unique_ptr<Page>>();
            free_ = std::vector<uint32_t>();
            count_ = 0;
        }
        return true;
    }

    size_t size() const { return size_; }

    template <typename Visit>
    void forEach(Visit visit) const
    {
        for (size_t index = 0; index < count_; ++index)
            if (const Slot& slot = slotAt(index); slot.value)
                visit(*slot.value);
    }

private:
    // The most slots kept when nothing is alive: as many as a run of references in turn takes.
    static constexpr size_t kSlotsKept = 64;
    static constexpr unsigned kPageBits = 6;

    struct Slot {
        std::optional<T> value;
        uintptr_t number = 0; // under which the slot was last given out
    };
    using Page = std::array<Slot, size_t{1} << kPageBits>;

    Slot& slotAt(size_t index) { return (*pages_[index >> kPageBits])[index & ((size_t{1} << kPageBits) - 1)]; }
    const Slot& slotAt(size_t index) const
    {
        return (*pages_[index >> kPageBits])[index & ((size_t{1} << kPageBits) - 1)];
    }

    // A new slot, free. Room in `free_` for every slot is made first, so that an erase never
    // allocates.
    void addSlot()
    {
        if (count_ > kIndexMask)
            throw std::bad_alloc();
        if (free_.capacity() < count_ + 1)
            free_.reserve(2 * (count_ + 1));
        if ((count_ >> kPageBits) == pages_.size())
            pages_.push_back(std::make_unique<Page>());
        free_.push_back(static_cast<uint32_t>(count_));
        ++count_;
    }

    std::vector<std::unique_ptr<Page>> pages_;
    size_t count_ = 0;           // the slots made, in pages_
    std::vector<uint32_t> free_; // the slots holding nothing, the last given back first
    uintptr_t number_ = 0;       // the last number given out
    size_t size_ = 0;
};

} // namespace host::doc
