// The arena the document's pages come from: blocks of any size, aligned, apart from one
// another across regions, each whole to write, and a block given back taken again before any
// new memory is reserved.
#include "document/BlockArena.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <thread>
#include <utility>
#include <vector>

namespace {

using host::doc::BlockArena;

TEST(BlockArena, BlocksOfAnySizeAreAlignedApartAndWholeAndComeBackFirst)
{
    for (size_t size : {size_t{1}, size_t{100}, size_t{205'000}, size_t{3} << 20}) {
        SCOPED_TRACE(size);
        BlockArena arena(size);
        EXPECT_GE(arena.blockSize(), size);
        // Enough blocks for several regions.
        const size_t count = std::max<size_t>(9, 3 * BlockArena::kRegionAlignment / arena.blockSize());
        std::vector<unsigned char*> blocks;
        for (size_t i = 0; i < count; ++i) {
            auto* block = static_cast<unsigned char*>(arena.take());
            EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % 64, 0u);
            std::memset(block, static_cast<int>(i & 0xFF), size);
            blocks.push_back(block);
        }
        std::vector<std::pair<uintptr_t, uintptr_t>> spans;
        for (size_t i = 0; i < count; ++i) {
            EXPECT_EQ(blocks[i][0], i & 0xFF) << "block " << i << " was written over";
            EXPECT_EQ(blocks[i][size - 1], i & 0xFF) << "block " << i << " was written over";
            spans.emplace_back(reinterpret_cast<uintptr_t>(blocks[i]), reinterpret_cast<uintptr_t>(blocks[i]) + size);
        }
        std::sort(spans.begin(), spans.end());
        for (size_t i = 1; i < spans.size(); ++i)
            EXPECT_LE(spans[i - 1].second, spans[i].first) << "two blocks overlap";

        const size_t reserved = arena.reserved();
        EXPECT_GE(reserved, count * size);
        arena.give(blocks[3]);
        arena.give(blocks[5]);
        std::set<void*> again{arena.take(), arena.take()};
        EXPECT_EQ(again, (std::set<void*>{blocks[3], blocks[5]}));
        EXPECT_EQ(arena.reserved(), reserved) << "blocks given back are taken before new memory";
        arena.give(nullptr);
        EXPECT_EQ(arena.reserved(), reserved);
    }
}

TEST(BlockArena, ThreadsTakingAndGivingNeverShareABlock)
{
    BlockArena arena(4096);
    const auto work = [&](unsigned char mark, bool* clean) {
        std::vector<unsigned char*> held;
        for (int round = 0; round < 2000; ++round) {
            auto* block = static_cast<unsigned char*>(arena.take());
            std::memset(block, mark, 4096);
            held.push_back(block);
            if (round % 3 == 2) {
                for (unsigned char* each : held)
                    *clean = *clean && each[0] == mark && each[4095] == mark;
                for (unsigned char* each : held)
                    arena.give(each);
                held.clear();
            }
        }
        for (unsigned char* each : held)
            arena.give(each);
    };
    bool first = true, second = true;
    std::thread other(work, 0xAA, &second);
    work(0x55, &first);
    other.join();
    EXPECT_TRUE(first);
    EXPECT_TRUE(second);
}

} // namespace
