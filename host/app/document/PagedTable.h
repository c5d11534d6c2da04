// Objects by handle, where handles are numbers given out in sequence from a first one and never
// twice, and objects come and go in runs (a table's thousands of objects at each rebuild): the
// objects live in pages of consecutive handles, so finding one is an index. A page comes with
// the first object of its handles and goes with the last; the pages before the first one left
// are let go, so that a long session keeps no record of the handles it is done with. A page
// far from the others (a handle of another range) is kept aside rather than spanned. An object
// stays where it was made until it is erased or replaced: pointers to it hold while others come
// and go.
#pragma once

#include "BlockArena.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <new>
#include <unordered_map>
#include <utility>
#include <vector>

namespace host::doc {

template <typename T>
class PagedTable {
public:
    // The handles start at `first`.
    explicit PagedTable(uintptr_t first = 0) : base_(first >> kPageBits) {}
    PagedTable(const PagedTable&) = delete;
    PagedTable& operator=(const PagedTable&) = delete;
    // The table moved from holds nothing.
    PagedTable(PagedTable&& other) noexcept
        : pages_(std::move(other.pages_)), base_(other.base_), aside_(std::move(other.aside_)),
          spare_(std::move(other.spare_)), size_(std::exchange(other.size_, 0))
    {
        other.pages_.clear();
        other.aside_.clear();
    }
    PagedTable& operator=(PagedTable&& other) noexcept
    {
        if (this != &other) {
            pages_ = std::move(other.pages_);
            base_ = other.base_;
            aside_ = std::move(other.aside_);
            spare_ = std::move(other.spare_);
            size_ = std::exchange(other.size_, 0);
            other.pages_.clear();
            other.aside_.clear();
        }
        return *this;
    }
    ~PagedTable() = default;

    // Null for a handle that holds nothing, whatever its number.
    const T* find(uintptr_t id) const
    {
        const Page* page = pageOf(id >> kPageBits);
        const size_t at = id & (kPageSize - 1);
        return page != nullptr && page->holds(at) ? page->object(at) : nullptr;
    }
    T* find(uintptr_t id) { return const_cast<T*>(std::as_const(*this).find(id)); }

    // The object made from `args` in the handle's place, in the place of any there.
    template <typename... Args>
    T& emplace(uintptr_t id, Args&&... args)
    {
        PagePointer& page = placeOf(id >> kPageBits);
        if (page == nullptr)
            page = spare_ != nullptr ? std::move(spare_) : newPage();
        const size_t at = id & (kPageSize - 1);
        if (page->holds(at)) {
            page->destroy(at);
            --size_;
        }
        try {
            T& made = page->make(at, std::forward<Args>(args)...);
            ++size_;
            return made;
        } catch (...) {
            if (page->count == 0)
                letGo(id >> kPageBits);
            throw;
        }
    }

    // False when the handle held nothing.
    bool erase(uintptr_t id)
    {
        const uintptr_t number = id >> kPageBits;
        Page* page = const_cast<Page*>(pageOf(number));
        const size_t at = id & (kPageSize - 1);
        if (page == nullptr || !page->holds(at))
            return false;
        page->destroy(at);
        --size_;
        if (page->count == 0)
            letGo(number);
        return true;
    }

    size_t size() const { return size_; }

    // Every object: those of the run of pages in the order of their handles, then those kept
    // aside.
    template <typename Visit>
    void forEach(Visit visit) const
    {
        const auto each = [&](const Page& page) {
            for (size_t at = 0; at < kPageSize; ++at)
                if (page.holds(at))
                    visit(*page.object(at));
        };
        for (const auto& page : pages_)
            if (page != nullptr)
                each(*page);
        for (const auto& [number, page] : aside_)
            each(*page);
    }

private:
    static constexpr unsigned kPageBits = 9;
    static constexpr size_t kPageSize = size_t{1} << kPageBits;
    // The most empty places the run of pages spans to reach a new page (a few MiB of them).
    static constexpr uintptr_t kMostGap = uintptr_t{1} << 18;
    // Which cells hold an object is a mark of one bit each before them, so that a page is made
    // by clearing its marks alone: its cells' room is written first by the objects made there.
    class Page {
    public:
        Page() noexcept {}
        ~Page()
        {
            for (size_t at = 0; at < kPageSize; ++at)
                if (holds(at))
                    object(at)->~T();
        }
        Page(const Page&) = delete;
        Page& operator=(const Page&) = delete;

        bool holds(size_t at) const { return (marks_[at / 64] >> (at % 64)) & 1; }
        const T* object(size_t at) const { return std::launder(reinterpret_cast<const T*>(cells_[at].bytes)); }
        T* object(size_t at) { return std::launder(reinterpret_cast<T*>(cells_[at].bytes)); }
        // In an empty cell. Should making the object throw, the cell stays empty.
        template <typename... Args>
        T& make(size_t at, Args&&... args)
        {
            T* made = ::new (static_cast<void*>(cells_[at].bytes)) T(std::forward<Args>(args)...);
            marks_[at / 64] |= uint64_t{1} << (at % 64);
            ++count;
            return *made;
        }
        void destroy(size_t at)
        {
            object(at)->~T();
            marks_[at / 64] &= ~(uint64_t{1} << (at % 64));
            --count;
        }

        size_t count = 0; // the objects it holds

    private:
        struct Cell {
            alignas(T) std::byte bytes[sizeof(T)];
        };
        std::array<uint64_t, kPageSize / 64> marks_{};
        Cell cells_[kPageSize];
    };
    // Pages come from the arena of pages of their size, which every table of T shares and
    // which lasts as long as the program (whatever is destroyed last may still give one back).
    static BlockArena& arena()
    {
        static BlockArena* const pages = new BlockArena(sizeof(Page));
        return *pages;
    }
    struct GivePage {
        void operator()(Page* page) const
        {
            page->~Page();
            arena().give(page);
        }
    };
    using PagePointer = std::unique_ptr<Page, GivePage>;
    static PagePointer newPage()
    {
        static_assert(alignof(Page) <= alignof(std::max_align_t), "the arena's blocks are aligned for any object");
        void* block = arena().take();
        return PagePointer(new (block) Page);
    }

    // A page kept aside stays there should the run grow over its number later.
    const Page* pageOf(uintptr_t number) const
    {
        if (number >= base_ && number - base_ < pages_.size() && pages_[number - base_] != nullptr)
            return pages_[number - base_].get();
        if (aside_.empty())
            return nullptr;
        const auto found = aside_.find(number);
        return found != aside_.end() ? found->second.get() : nullptr;
    }

    // Where the page of that number is kept, the run grown to it when it is near enough.
    PagePointer& placeOf(uintptr_t number)
    {
        if (!aside_.empty()) {
            const auto found = aside_.find(number);
            if (found != aside_.end())
                return found->second;
        }
        if (pages_.empty())
            base_ = number;
        if (number >= base_ && number - base_ < pages_.size())
            return pages_[number - base_];
        if (number >= base_ && number - base_ - pages_.size() < kMostGap) {
            pages_.resize(number - base_ + 1);
            return pages_.back();
        }
        if (number < base_ && base_ - number < kMostGap) {
            // A handle from before the first page, brought back.
            std::vector<PagePointer> grown(base_ - number);
            grown.insert(grown.end(), std::make_move_iterator(pages_.begin()),
                         std::make_move_iterator(pages_.end()));
            pages_ = std::move(grown);
            base_ = number;
            return pages_.front();
        }
        return aside_[number];
    }

    // An emptied page goes; one is kept for the next, as objects that come and go one at a
    // time would otherwise make and free a page each time.
    void letGo(uintptr_t number)
    {
        const auto found = aside_.find(number);
        if (found != aside_.end()) {
            spare_ = std::move(found->second);
            aside_.erase(found);
            return;
        }
        spare_ = std::move(pages_[number - base_]);
        while (!pages_.empty() && pages_.back() == nullptr)
            pages_.pop_back();
        const auto first =
            std::find_if(pages_.begin(), pages_.end(), [](const PagePointer& page) { return page != nullptr; });
        base_ += static_cast<uintptr_t>(first - pages_.begin());
        pages_.erase(pages_.begin(), first);
    }

    // Finding a page is one index, which every look-up of a handle makes; pages go from the
    // front a run at a time, each run one move of the pointers left.
    std::vector<PagePointer> pages_;
    uintptr_t base_; // the page number of pages_.front()
    std::unordered_map<uintptr_t, PagePointer> aside_;
    PagePointer spare_; // empty
    size_t size_ = 0;
};

} // namespace host::doc
