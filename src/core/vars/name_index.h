// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TNameIndex: the entries of a variable set by the key of their name. A flat
// table with open addressing, at most three quarters full, whose slots hold
// the key itself: finding a name reads one place of memory in the usual case,
// which counts when a program of thousands of variables is loaded and every
// formula's names are resolved.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillix {

class TCalcValueWarper;

class TNameIndex {
  public:
    // The entry of that key, or null.
    TCalcValueWarper* Find(std::string_view key) const;
    // False, changing nothing, when the key is taken.
    bool Insert(std::string key, TCalcValueWarper* entry);
    void Erase(std::string_view key);
    void Clear();
    std::size_t Size() const { return size_; }

  private:
    struct Slot {
        TCalcValueWarper* entry = nullptr;  // null: a free slot
        std::size_t hash = 0;
        std::string key;
    };
    // The slot of the key, or the free slot where it would go.
    std::size_t SlotOf(std::string_view key, std::size_t hash) const;
    void Grow();

    std::vector<Slot> slots_;  // a power of two in size, or empty
    std::size_t size_ = 0;
};

}  // namespace quillix
