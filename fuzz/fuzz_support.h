// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: a check that stops the run with a message (so
// that libFuzzer keeps the input), a private home folder on a memory file
// system where one exists (the readers are given real files, and the atomic
// writes they may make cost nothing there), and a reader of the input bytes.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "support/temp_folder.h"

namespace quillix::fuzz {

[[noreturn]] inline void Fail(const char* what, std::string_view detail = {}) {
    std::fprintf(stderr, "fuzz check failed: %s %.*s\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

inline void Check(bool condition, const char* what, std::string_view detail = {}) {
    if (!condition) Fail(what, detail);
}

// The process-wide home folder of a target, created on first use and removed
// when the process ends.
inline const test::TempFolder& Home() {
    static const bool onMemory =
        ::access("/dev/shm", W_OK) == 0 && ::setenv("TMPDIR", "/dev/shm", 1) == 0;
    static const test::TempFolder home;
    (void)onMemory;
    return home;
}

// Takes bytes from the front of the input, one by one or as a short text.
class ByteReader {
  public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return at_ >= size_; }
    std::uint8_t Byte() { return Empty() ? 0 : data_[at_++]; }
    // Up to length bytes as text.
    std::string Text(std::size_t length) {
        const std::size_t taken = std::min(length, size_ - std::min(at_, size_));
        std::string text(reinterpret_cast<const char*>(data_ + at_), taken);
        at_ += taken;
        return text;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace quillix::fuzz
