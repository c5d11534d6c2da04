#include "BlockArena.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define VARO_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VARO_ASAN 1
#endif
#endif

#ifdef VARO_ASAN
#include <sanitizer/asan_interface.h>
// A block given back may not be touched until it is taken again.
#define VARO_POISON(address, size) ASAN_POISON_MEMORY_REGION(address, size)
#define VARO_UNPOISON(address, size) ASAN_UNPOISON_MEMORY_REGION(address, size)
#else
#define VARO_POISON(address, size) ((void)(address), (void)(size))
#define VARO_UNPOISON(address, size) ((void)(address), (void)(size))
#endif

namespace host::doc {

namespace {

constexpr size_t kAlignment = alignof(std::max_align_t) > 64 ? alignof(std::max_align_t) : 64;

size_t roundUp(size_t value, size_t step)
{
    return (value + step - 1) / step * step;
}

} // namespace

BlockArena::BlockArena(size_t blockSize) : blockSize_(roundUp(blockSize == 0 ? 1 : blockSize, kAlignment)) {}

BlockArena::~BlockArena()
{
    for (const Region& region : regions_) {
        VARO_UNPOISON(region.start, region.length);
        munmap(region.start, region.length);
    }
}

size_t BlockArena::reserved() const
{
    std::lock_guard lock(mutex_);
    size_t total = 0;
    for (const Region& region : regions_)
        total += region.length;
    return total;
}

// A region of at least four blocks, in whole huge pages, mapped at a huge page's boundary: the
// mapping is made one huge page longer and its ends cut to the boundary.
void BlockArena::addRegion()
{
    const size_t length = roundUp(4 * blockSize_, kRegionAlignment);
    regions_.reserve(regions_.size() + 1);
    void* mapped = mmap(nullptr, length + kRegionAlignment, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto base = reinterpret_cast<uintptr_t>(mapped);
    const uintptr_t start = roundUp(base, kRegionAlignment);
    if (start > base)
        munmap(mapped, start - base);
    const uintptr_t end = start + length;
    const uintptr_t mappedEnd = base + length + kRegionAlignment;
    if (mappedEnd > end)
        munmap(reinterpret_cast<void*>(end), mappedEnd - end);
    // Where the kernel keeps huge pages for those who ask, this asks; elsewhere the region is
    // made of ordinary pages, which is no fault.
    madvise(reinterpret_cast<void*>(start), length, MADV_HUGEPAGE);
    regions_.push_back({reinterpret_cast<void*>(start), length});
    next_ = reinterpret_cast<char*>(start);
    end_ = next_ + length;
    VARO_POISON(next_, length);
}

void* BlockArena::take()
{
    std::lock_guard lock(mutex_);
    void* block = nullptr;
    if (!free_.empty()) {
        block = free_.back();
        free_.pop_back();
    } else {
        if (next_ == nullptr || static_cast<size_t>(end_ - next_) < blockSize_)
            addRegion();
        // Room for every block to come back, so that giving one back never fails.
        if (free_.capacity() <= carved_)
            free_.reserve(2 * (carved_ + 1));
        ++carved_;
        block = next_;
        next_ += blockSize_;
    }
    VARO_UNPOISON(block, blockSize_);
    return block;
}

void BlockArena::give(void* block)
{
    if (block == nullptr)
        return;
    std::lock_guard lock(mutex_);
    free_.push_back(block);
    VARO_POISON(block, blockSize_);
}

} // namespace host::doc
