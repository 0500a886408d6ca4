// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TDocumentRestorer: what the undo history uses to put a variable set back as
// it was: an entry put in or taken out at any place, two entries swapped, a
// name, a description and the modified flag set. Each raises the events the
// ordinary operation raises, so that views follow, and none is recorded: the
// history is restoring what it recorded.

#include <cstdint>
#include <memory>
#include <string>

#include "vars/calc_vars_base.h"

namespace quillix {

class TDocumentRestorer {
  public:
    explicit TDocumentRestorer(TCalcVarsBase& set) : set_(set) {}

    TCalcVarsBase& Set() { return set_; }
    int Count() const { return set_.Count(); }
    TCalcValueWarper& EntryAt(int index) const {
        return *set_.items_[static_cast<std::size_t>(index)];
    }

    // Puts entry (whose value carries its name) at index; raises vaAdded.
    void InsertEntry(int index, std::unique_ptr<TCalcValueWarper> entry);
    // Takes the entry out as Delete does (formulas elsewhere keep a copy of it);
    // raises vaDeleted.
    void RemoveEntry(int index);
    // Takes every entry out as Clear does; raises vaCleared.
    void RemoveAllEntries();
    // As MoveUp(index), without its checks.
    void SwapWithPrevious(int index) { set_.SwapWithPrevious(index); }
    // As Rename, without its checks.
    void SetName(int index, const std::string& name) { set_.RenameEntry(index, name); }
    void SetDescription(const std::string& text) { set_.description_ = text; }
    void SetModified(bool modified) { set_.modified_ = modified; }
    void Notify(std::uint8_t action, int index, TCalcValueWarper* entry, const std::string& name) {
        set_.Notify(action, index, entry, name);
    }

  private:
    TCalcVarsBase& set_;
};

}  // namespace quillix
