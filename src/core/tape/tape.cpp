// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/tape.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace quillix {

template <class Apply>
void TTape::Change(const TTapeChange& change, Apply apply) {
    for (TTapeListener* listener : listeners_)
        if (listener->BeforeChange) listener->BeforeChange(change);
    apply();
    ++revision_;
    for (TTapeListener* listener : listeners_)
        if (listener->AfterChange) listener->AfterChange(change);
}

void TTape::Add(TTapeEntry entry) {
    if (Count() >= kTapeLimit) {
        const int excess = Count() - kTapeLimit + 1;
        Change({TTapeChange::Dropped, 0, excess},
               [&] { entries_.erase(entries_.begin(), entries_.begin() + excess); });
    }
    Change({TTapeChange::Appended, Count(), 1}, [&] { entries_.push_back(std::move(entry)); });
}

void TTape::Replace(std::vector<TTapeEntry> entries) {
    const std::size_t keep = std::min<std::size_t>(entries.size(), kTapeLimit);
    Change({TTapeChange::Reset, 0, 0}, [&] {
        entries_.assign(std::make_move_iterator(entries.end() - static_cast<std::ptrdiff_t>(keep)),
                        std::make_move_iterator(entries.end()));
    });
}

void TTape::Clear() {
    Change({TTapeChange::Reset, 0, 0}, [&] { entries_.clear(); });
}

void TTape::SetValue(int index, ValueRef value) {
    entries_.at(static_cast<std::size_t>(index)).Value = std::move(value);
}

bool TTape::Holds(const TCalcValue* value) const {
    return value && std::any_of(entries_.begin(), entries_.end(),
                                [value](const TTapeEntry& entry) { return entry.Value == value; });
}

void TTape::AddListener(TTapeListener* listener) {
    if (listener) listeners_.push_back(listener);
}

void TTape::RemoveListener(TTapeListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

std::string TapeLineText(const TTapeEntry& entry) {
    return entry.Formula + " = " + entry.Shown;
}

std::string TapeText(const TTape& tape) {
    std::string text;
    for (int i = 0; i < tape.Count(); ++i)
        text += TapeLineText(tape.At(i)) + "\n";
    return text;
}

}  // namespace quillix
