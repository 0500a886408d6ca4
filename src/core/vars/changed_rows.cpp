// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/changed_rows.h"

#include <algorithm>

#include "model/calc_vars_intf.h"

namespace quillix {

void TChangedRows::Shift(int from, int by) {
    for (int& row : added_)
        if (row >= from) row += by;
    if (changed_ && *changed_ >= from) *changed_ += by;
    if (removedAt_ && *removedAt_ >= from) *removedAt_ += by;
}

void TChangedRows::Note(std::uint8_t action, int index) {
    switch (action) {
        case vaAdded:
            Shift(index, 1);
            added_.push_back(index);
            break;
        case vaDeleted:
            std::erase(added_, index);
            if (changed_ == index) changed_.reset();
            Shift(index + 1, -1);
            removedAt_ = index;
            break;
        case vaCleared:
            added_.clear();
            changed_.reset();
            removedAt_ = 0;
            break;
        case vaValueChanged:
        case vaTypeChanged:
        case vaItemChanged:
            if (!changed_ && index >= 0) changed_ = index;
            break;
        default:
            break;
    }
}

std::vector<int> TChangedRows::Rows(int count) const {
    std::vector<int> rows;
    for (const int row : added_)
        if (row >= 0 && row < count) rows.push_back(row);
    if (rows.empty() && changed_ && *changed_ >= 0 && *changed_ < count) rows.push_back(*changed_);
    if (rows.empty() && removedAt_ && count > 0) rows.push_back(std::min(*removedAt_, count - 1));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

}  // namespace quillix
