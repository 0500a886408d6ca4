// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmark programs share: the node builder and the temporary folder
// of the tests, and a count of the heap bytes in use. A program that reads
// HeapBytesInUse() defines QUILLIX_BENCH_COUNT_HEAP before it includes this
// header in its one source file, which puts the counting global operator new
// and delete into that program once; the other programs keep the plain ones.

#include "support/node_builder.h"
#include "support/temp_folder.h"

#ifdef QUILLIX_BENCH_COUNT_HEAP

#include <malloc.h>

#include <cstddef>
#include <cstdlib>
#include <new>

namespace quillix::bench {

// Usable bytes of every block from operator new not yet given back.
inline std::size_t heapBytesInUse = 0;

inline std::size_t HeapBytesInUse() {
    return heapBytesInUse;
}

}  // namespace quillix::bench

void* operator new(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (!p) throw std::bad_alloc();
    quillix::bench::heapBytesInUse += malloc_usable_size(p);
    return p;
}

void operator delete(void* p) noexcept {
    if (!p) return;
    quillix::bench::heapBytesInUse -= malloc_usable_size(p);
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

#endif  // QUILLIX_BENCH_COUNT_HEAP
