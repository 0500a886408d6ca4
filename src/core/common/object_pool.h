// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small objects of the calculation model (values, nodes, variable
// entries) that a document load makes, hundreds of thousands for a large
// program, come from an arena instead of one call of the general allocator
// each: once a process has a second thread, that allocator takes a lock for
// every call, and a load is mostly such calls.
//
// While a TArenaScope lives on a thread, the pooled objects made there are
// cut in turn from the thread's current slab, side by side as they are made.
// A slab goes back to the general allocator when the last object in it goes,
// so a document closed as a whole gives its memory back as a whole; a freed
// object's room is not used again before that. Objects made outside a scope,
// and any object of a build with AddressSanitizer (so that it sees every
// object's life), come from the general allocator.

#include <atomic>
#include <cstddef>
#include <new>

namespace quillix::object_pool {

// Larger objects always go to the general allocator.
inline constexpr std::size_t kLargestPooled = 256;
inline constexpr std::size_t kGrain = 16;  // blocks are multiples of this size

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kEnabled = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kEnabled = false;
#else
inline constexpr bool kEnabled = true;
#endif
#else
inline constexpr bool kEnabled = true;
#endif

// Pooled objects made on this thread while it lives come from the arena.
// Scopes nest.
class TArenaScope {
  public:
    TArenaScope();
    ~TArenaScope();
    TArenaScope(const TArenaScope&) = delete;
    TArenaScope& operator=(const TArenaScope&) = delete;
};

// Whether the block came from the arena.
bool FromArena(const void* block) noexcept;

namespace detail {
// The scopes open on this thread.
inline thread_local int arenaScopes = 0;
// The arena's slabs in use: while there are none, a block given back needs
// no look at the map of slabs. A block of a slab was made after the slab,
// and given here after it was made, so it never finds this count at zero.
inline std::atomic<std::size_t> liveSlabs{0};
void* AllocateInArena(std::size_t size);
void ReleaseToArena(void* block) noexcept;
}  // namespace detail

// A block of at least size bytes, aligned for any object of that size: from
// the arena within a scope, otherwise from the general allocator. Throws
// std::bad_alloc.
inline void* Allocate(std::size_t size) {
    if (detail::arenaScopes == 0 || size > kLargestPooled) return ::operator new(size);
    return detail::AllocateInArena(size);
}

// Gives back a block from Allocate, on any thread.
inline void Release(void* block) noexcept {
    if (!block) return;
    if (detail::liveSlabs.load(std::memory_order_relaxed) != 0 && FromArena(block))
        return detail::ReleaseToArena(block);
    ::operator delete(block);
}

// A base that makes the objects of a class, and of the classes derived from
// it, pooled.
class TPooled {
  public:
    static void* operator new(std::size_t size) {
        return kEnabled ? Allocate(size) : ::operator new(size);
    }
    static void operator delete(void* block) noexcept {
        if (kEnabled) {
            Release(block);
        } else {
            ::operator delete(block);
        }
    }
};

}  // namespace quillix::object_pool
