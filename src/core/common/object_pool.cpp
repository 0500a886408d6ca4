// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/object_pool.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <new>

namespace quillix::object_pool {

namespace {

// Slabs lie at multiples of their size, so that a block finds its slab's
// header by its address alone.
constexpr std::size_t kSlabBytes = 64 * 1024;
constexpr std::align_val_t kSlabAlignment{kSlabBytes};
constexpr std::size_t kHeaderBytes = 64;

// The blocks of a slab still in use. The thread cutting from it counts its
// blocks on its own and adds them once it moves on: until then the count
// carries a bias that blocks given back early cannot use up.
struct SlabHeader {
    std::atomic<std::uint64_t> live;
};
constexpr std::uint64_t kCuttingBias = std::uint64_t{1} << 62;

// Which addresses are slabs: a bit for each 64 KiB of the address space, in
// leaves of 4 GiB made when first needed and kept for the life of the
// program (a process uses one or two). Readers take no lock.
class SlabMap {
  public:
    // False, changing nothing, for a slab beyond the addresses mapped.
    bool Set(std::uintptr_t slab, bool on) {
        if ((slab >> kLeafShift) >= kLeaves) return false;
        std::atomic<std::uint64_t>& word = Word(slab);
        const std::uint64_t bit = Bit(slab);
        if (on) {
            word.fetch_or(bit, std::memory_order_release);
        } else {
            word.fetch_and(~bit, std::memory_order_release);
        }
        return true;
    }
    bool Has(std::uintptr_t slab) {
        if ((slab >> kLeafShift) >= kLeaves) return false;
        const Leaf* leaf = leaves_[slab >> kLeafShift].load(std::memory_order_acquire);
        return leaf && (leaf->words[WordIndex(slab)].load(std::memory_order_acquire) & Bit(slab));
    }

  private:
    static constexpr int kSlabShift = 16;  // 64 KiB
    static constexpr int kLeafShift = 32;  // 4 GiB
    static constexpr std::size_t kLeaves = std::size_t{1} << (47 - kLeafShift);
    static constexpr std::size_t kWords = (std::size_t{1} << (kLeafShift - kSlabShift)) / 64;
    struct Leaf {
        std::array<std::atomic<std::uint64_t>, kWords> words{};
    };

    static std::size_t WordIndex(std::uintptr_t slab) {
        return ((slab >> kSlabShift) & ((std::uintptr_t{1} << (kLeafShift - kSlabShift)) - 1)) / 64;
    }
    static std::uint64_t Bit(std::uintptr_t slab) {
        return std::uint64_t{1} << ((slab >> kSlabShift) % 64);
    }
    std::atomic<std::uint64_t>& Word(std::uintptr_t slab) {
        std::atomic<Leaf*>& place = leaves_[slab >> kLeafShift];
        Leaf* leaf = place.load(std::memory_order_acquire);
        if (!leaf) {
            auto made = std::make_unique<Leaf>();
            // Another thread's leaf may have come first; otherwise this one
            // is kept for good, as the map itself.
            if (place.compare_exchange_strong(leaf, made.get(), std::memory_order_acq_rel))
                leaf = made.release();
        }
        return leaf->words[WordIndex(slab)];
    }

    std::array<std::atomic<Leaf*>, kLeaves> leaves_{};
};

SlabMap slabMap;  // constant-initialised: usable from any static object's life

SlabHeader* HeaderOf(const void* block) {
    return reinterpret_cast<SlabHeader*>(reinterpret_cast<std::uintptr_t>(block) &
                                         ~(std::uintptr_t{kSlabBytes} - 1));
}

void FreeSlab(SlabHeader* slab) {
    slabMap.Set(reinterpret_cast<std::uintptr_t>(slab), false);
    detail::liveSlabs.fetch_sub(1, std::memory_order_relaxed);
    slab->~SlabHeader();
    ::operator delete(static_cast<void*>(slab), kSlabAlignment);
}

void DropBlocks(SlabHeader* slab, std::uint64_t count) {
    if (slab->live.fetch_sub(count, std::memory_order_acq_rel) == count) FreeSlab(slab);
}

// The thread's slab and what it cut from it. Trivially destructible: it
// holds no slab once the thread's last scope has ended.
struct Cutting {
    SlabHeader* slab;
    std::byte* next;
    std::byte* end;
    std::uint64_t blocks;
};
thread_local Cutting cutting{};

// The slab is no longer cut from: its count loses the bias.
void LeaveSlab() {
    if (!cutting.slab) return;
    DropBlocks(cutting.slab, kCuttingBias - cutting.blocks);
    cutting = Cutting{};
}

// False when the new slab lies where the map does not reach.
bool TakeNewSlab() {
    LeaveSlab();
    void* memory = ::operator new(kSlabBytes, kSlabAlignment);
    if (!slabMap.Set(reinterpret_cast<std::uintptr_t>(memory), true)) {
        ::operator delete(memory, kSlabAlignment);
        return false;
    }
    detail::liveSlabs.fetch_add(1, std::memory_order_relaxed);
    cutting.slab = ::new (memory) SlabHeader{kCuttingBias};
    cutting.next = static_cast<std::byte*>(memory) + kHeaderBytes;
    cutting.end = static_cast<std::byte*>(memory) + kSlabBytes;
    return true;
}

}  // namespace

TArenaScope::TArenaScope() {
    ++detail::arenaScopes;
}

TArenaScope::~TArenaScope() {
    if (--detail::arenaScopes == 0) LeaveSlab();
}

void* detail::AllocateInArena(std::size_t size) {
    const std::size_t bytes = (size + kGrain - 1) / kGrain * kGrain;
    if (static_cast<std::size_t>(cutting.end - cutting.next) < bytes && !TakeNewSlab())
        return ::operator new(size);
    void* const block = cutting.next;
    cutting.next += bytes;
    ++cutting.blocks;
    return block;
}

void detail::ReleaseToArena(void* block) noexcept {
    DropBlocks(HeaderOf(block), 1);
}

bool FromArena(const void* block) noexcept {
    return slabMap.Has(reinterpret_cast<std::uintptr_t>(HeaderOf(block)));
}

}  // namespace quillix::object_pool
