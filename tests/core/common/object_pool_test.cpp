// SPDX-License-Identifier: GPL-3.0-or-later
// The arena of pooled objects: within a scope, blocks come from slabs, aligned
// and apart from each other, and whole (a block written to its last byte
// spoils no other); outside any scope they come from the general allocator. A
// slab lives while any block of it does, whether its blocks go back before or
// after the scope ends and on whichever thread, and goes when the last one
// does (in sanitizer builds the slabs are allocations of their own, so a slab
// that went too early shows as a use after free).

#include "common/object_pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace quillix::object_pool {
namespace {

struct Block {
    unsigned char* at;
    std::size_t size;
};

// Blocks of every pooled size and a few larger, several slabs' worth, each
// filled with its own byte.
std::vector<Block> FilledBlocks() {
    std::vector<Block> blocks;
    for (std::size_t size = 1; size <= kLargestPooled + 40; size += 7) {
        for (int i = 0; i < 300; ++i) {
            auto* at = static_cast<unsigned char*>(Allocate(size));
            std::memset(at, static_cast<int>(blocks.size() & 0xFF), size);
            blocks.push_back({at, size});
        }
    }
    return blocks;
}

void ExpectWholeAndApart(const std::vector<Block>& blocks) {
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const auto fill = static_cast<unsigned char>(i & 0xFF);
        ASSERT_TRUE(std::all_of(blocks[i].at, blocks[i].at + blocks[i].size,
                                [fill](unsigned char c) { return c == fill; }))
            << i;
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(blocks[i].at) % kGrain, 0u);
    }
    std::vector<Block> sorted = blocks;
    std::sort(sorted.begin(), sorted.end(),
              [](const Block& a, const Block& b) { return a.at < b.at; });
    for (std::size_t i = 1; i < sorted.size(); ++i)
        ASSERT_LE(sorted[i - 1].at + sorted[i - 1].size, sorted[i].at);
}

TEST(ObjectPool, BlocksOfAScopeComeFromTheArena) {
    std::vector<Block> blocks;
    {
        const TArenaScope scope;
        blocks = FilledBlocks();
    }
    ExpectWholeAndApart(blocks);
    for (const Block& block : blocks)
        EXPECT_EQ(FromArena(block.at), block.size <= kLargestPooled) << block.size;
    for (const Block& block : blocks)
        Release(block.at);
    // Every slab went with its last block.
    for (const Block& block : blocks)
        EXPECT_FALSE(FromArena(block.at));
}

TEST(ObjectPool, BlocksOutsideAScopeComeFromTheGeneralAllocator) {
    const std::vector<Block> blocks = FilledBlocks();
    ExpectWholeAndApart(blocks);
    for (const Block& block : blocks) {
        EXPECT_FALSE(FromArena(block.at));
        Release(block.at);
    }
    Release(nullptr);  // as delete of a null pointer
}

// Blocks given back while their slab is still cut from leave it in place for
// the blocks cut after them, and a slab with one block left stays.
TEST(ObjectPool, ASlabStaysWhileAnyOfItsBlocksDoes) {
    std::vector<unsigned char*> kept;
    {
        const TArenaScope scope;
        for (int i = 0; i < 5000; ++i) {
            auto* early = static_cast<unsigned char*>(Allocate(48));
            Release(early);
            kept.push_back(static_cast<unsigned char*>(Allocate(48)));
            std::memset(kept.back(), i & 0xFF, 48);
        }
    }
    for (std::size_t i = 0; i + 1 < kept.size(); ++i)
        Release(kept[i]);
    ASSERT_TRUE(FromArena(kept.back()));
    EXPECT_EQ(kept.back()[47], static_cast<unsigned char>(4999 & 0xFF));
    Release(kept.back());
    EXPECT_FALSE(FromArena(kept.back()));
}

TEST(ObjectPool, ScopesNestAndBlocksMayGoBackOnAnotherThread) {
    std::vector<void*> blocks;
    {
        const TArenaScope outer;
        blocks.push_back(Allocate(32));
        {
            const TArenaScope inner;
            blocks.push_back(Allocate(32));
        }
        // The inner scope's end left the slab to the outer one: cut in turn.
        blocks.push_back(Allocate(32));
        EXPECT_EQ(static_cast<unsigned char*>(blocks[2]),
                  static_cast<unsigned char*>(blocks[1]) + 32);
    }
    std::thread other([&blocks] {
        for (void* block : blocks)
            Release(block);
    });
    other.join();
    EXPECT_FALSE(FromArena(blocks.front()));
}

TEST(ObjectPool, PooledClassesUseTheArenaWithinAScope) {
    struct TSmall : TPooled {
        long double number = 1.5L;
    };
    auto outside = std::make_unique<TSmall>();
    EXPECT_FALSE(FromArena(outside.get()));
    std::unique_ptr<TSmall> inside;
    {
        const TArenaScope scope;
        inside = std::make_unique<TSmall>();
    }
    // Sanitizer builds keep every object with the general allocator.
    EXPECT_EQ(FromArena(inside.get()), kEnabled);
    EXPECT_EQ(inside->number, 1.5L);
}

}  // namespace
}  // namespace quillix::object_pool
