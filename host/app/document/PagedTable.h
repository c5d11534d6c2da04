// Objects by handle, where handles are numbers given out in sequence from a first one and never
// twice, and objects come and go in runs (a table's thousands of objects at each rebuild): the
// objects live in pages of consecutive handles, so finding one is an index. A page comes with
// the first object of its handles and goes with the last; the pages before the first one left
// are let go, so that a long session keeps no record of the handles it is done with. A page
// far from the others (a handle of another range) is kept aside rather than spanned.
#pragma once

#include "BlockArena.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <new>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace host::doc {

template <typename T>
class PagedTable {
public:
    // The handles start at `first`.
    explicit PagedTable(uintptr_t first = 0) : base_(first >> kPageBits) {}

    // Null for a handle that holds nothing, whatever its number.
    const T* find(uintptr_t id) const
    {
        const Page* page = pageOf(id >> kPageBits);
        if (page == nullptr)
            return nullptr;
        const Cell& cell = page->cells[id & (kPageSize - 1)];
        return cell.live ? &*cell.value : nullptr;
    }
    T* find(uintptr_t id) { return const_cast<T*>(std::as_const(*this).find(id)); }

    // The object made from `args` in the handle's place, in the place of any there.
    template <typename... Args>
    T& emplace(uintptr_t id, Args&&... args)
    {
        PagePointer& page = placeOf(id >> kPageBits);
        if (page == nullptr)
            page = spare_ != nullptr ? std::move(spare_) : newPage();
        Cell& cell = page->cells[id & (kPageSize - 1)];
        if (!cell.live) {
            cell.live = true;
            ++page->live;
            ++size_;
        }
        return cell.value.emplace(std::forward<Args>(args)...);
    }

    // False when the handle held nothing.
    bool erase(uintptr_t id)
    {
        const uintptr_t number = id >> kPageBits;
        Page* page = const_cast<Page*>(pageOf(number));
        if (page == nullptr || !page->cells[id & (kPageSize - 1)].live)
            return false;
        Cell& cell = page->cells[id & (kPageSize - 1)];
        cell.value.reset();
        cell.live = false;
        --size_;
        if (--page->live == 0)
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
            for (const Cell& cell : page.cells)
                if (cell.live)
                    visit(*cell.value);
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
    // Whether it holds an object comes before the object, read with its first bytes.
    struct Cell {
        bool live = false;
        std::optional<T> value;
    };
    // Made without clearing the whole page first: each cell starts empty.
    struct Page {
        std::array<Cell, kPageSize> cells;
        size_t live = 0;
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
