// Blocks of one size, carved from regions of memory the kernel is asked to back with huge
// pages. A large document's art lives in a few hundred blocks of some 200 KiB: made anew on
// every rebuild of a large table, each would otherwise be faulted in 4 KiB at a time, and its
// objects spread over as many entries of the address cache.
//
// A block given back is kept for the next taken; the regions go only with the arena. Safe to
// use from several threads.
#pragma once

#include <cstddef>
#include <mutex>
#include <vector>

namespace host::doc {

class BlockArena {
public:
    // Blocks of `blockSize` bytes, aligned for any object.
    explicit BlockArena(size_t blockSize);
    ~BlockArena();
    BlockArena(const BlockArena&) = delete;
    BlockArena& operator=(const BlockArena&) = delete;

    // An uninitialised block. Throws std::bad_alloc when the system has no memory for a new
    // region.
    void* take();
    // A block taken from this arena and no longer used.
    void give(void* block);

    size_t blockSize() const { return blockSize_; }
    // The memory the regions span, in bytes.
    size_t reserved() const;

    // The size of a region, and the alignment it is given (that of a huge page on x86-64).
    static constexpr size_t kRegionAlignment = size_t{2} << 20;

private:
    struct Region {
        void* start;
        size_t length;
    };
    void addRegion();

    const size_t blockSize_;
    mutable std::mutex mutex_;
    std::vector<Region> regions_;
    std::vector<void*> free_;
    size_t carved_ = 0; // the blocks ever taken from the regions
    char* next_ = nullptr; // the first block of the newest region never taken
    char* end_ = nullptr;
};

} // namespace host::doc
