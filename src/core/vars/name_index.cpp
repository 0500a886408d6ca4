// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/name_index.h"

#include <functional>
#include <utility>

namespace quillix {

namespace {

std::size_t HashOf(std::string_view key) {
    return std::hash<std::string_view>{}(key);
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
