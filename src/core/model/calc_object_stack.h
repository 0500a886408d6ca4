// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcObjectStack: a last-in-first-out stack with indexed access, index 0 the
// bottom (oldest item) and Count()-1 the top. The calculation stack keeps its
// waiting values and its saved operators in two of them.

#include <cstddef>
#include <utility>
#include <vector>

namespace quillix {

template <class Item>
class TCalcObjectStack {
  public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    void Push(Item item) { items_.push_back(std::move(item)); }
    // Below every other item (index 0), for Stack-style RPN's roll down.
    void PushBottom(Item item) { items_.insert(items_.begin(), std::move(item)); }
    Item Pop() {
        Item top = std::move(items_.back());
        items_.pop_back();
        return top;
    }
    const Item& Peek() const { return items_.back(); }
    const Item& GetItem(int index) const { return items_[static_cast<std::size_t>(index)]; }
    void SetItem(int index, Item item) {
        items_[static_cast<std::size_t>(index)] = std::move(item);
    }
    void Clear() { items_.clear(); }

  private:
    std::vector<Item> items_;
};

}  // namespace quillix
