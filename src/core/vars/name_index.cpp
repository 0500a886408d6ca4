// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/name_index.h"

#include <cstring>
#include <utility>

namespace quillix {

namespace {

// Keys are short names: eight bytes at a time, each mixed in by a multiply,
// and the high bits folded down, since the table uses the low ones.
std::size_t HashOf(std::string_view key) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
    std::uint64_t hash = key.size() * kMultiplier;
    const char* p = key.data();
    std::size_t left = key.size();
    for (; left >= 8; p += 8, left -= 8) {
        std::uint64_t eight;
        std::memcpy(&eight, p, 8);
        hash = (hash ^ eight) * kMultiplier;
        hash ^= hash >> 29;
    }
    if (left > 0) {
        std::uint64_t rest = 0;
        std::memcpy(&rest, p, left);
        hash = (hash ^ rest) * kMultiplier;
    }
    hash ^= hash >> 32;
    hash *= kMultiplier;
    return static_cast<std::size_t>(hash ^ (hash >> 29));
}

}  // namespace

std::size_t TNameIndex::SlotOf(std::string_view key, std::size_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (!slot.entry || (slot.hash == hash && slot.key == key)) return i;
    }
}

TCalcValueWarper* TNameIndex::Find(std::string_view key) const {
    if (slots_.empty()) return nullptr;
    return slots_[SlotOf(key, HashOf(key))].entry;
}

bool TNameIndex::Insert(std::string key, TCalcValueWarper* entry) {
    if (4 * (size_ + 1) > 3 * slots_.size()) Grow();
    const std::size_t hash = HashOf(key);
    Slot& slot = slots_[SlotOf(key, hash)];
    if (slot.entry) return false;
    slot = Slot{entry, hash, std::move(key)};
    ++size_;
    return true;
}

// Linear probing without tombstones: the slots after the freed one that could
// not sit at their home slot move back into the gap.
void TNameIndex::Erase(std::string_view key) {
    if (slots_.empty()) return;
    const std::size_t mask = slots_.size() - 1;
    std::size_t gap = SlotOf(key, HashOf(key));
    if (!slots_[gap].entry) return;
    for (std::size_t next = (gap + 1) & mask; slots_[next].entry; next = (next + 1) & mask) {
        const std::size_t home = slots_[next].hash & mask;
        // The slot may move to the gap when its home lies outside (gap, next].
        const bool movable =
            gap <= next ? (home <= gap || home > next) : (home <= gap && home > next);
        if (movable) {
            slots_[gap] = std::move(slots_[next]);
            gap = next;
        }
    }
    slots_[gap] = Slot{};
    --size_;
}

void TNameIndex::Clear() {
    slots_.clear();
    size_ = 0;
}

void TNameIndex::Grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_ = std::vector<Slot>(old.empty() ? 16 : 2 * old.size());
    for (Slot& slot : old) {
        if (slot.entry) slots_[SlotOf(slot.key, slot.hash)] = std::move(slot);
    }
}

}  // namespace quillix
