// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TEditGroup: marks the changes a user action makes to a variable set, while
// it lives, as that one action (one step of the undo history, named by the
// caption: "Delete 3 variables", "Run 'Loan'"). Groups nest; the outermost
// names the action. A set without a recorder ignores it.

#include <string>

#include "model/calc_vars_intf.h"

namespace quillix {

class TEditGroup {
  public:
    TEditGroup(ICalcVarsBase* set, const std::string& caption) : set_(set) {
        if (set_) set_->BeginEditGroup(caption);
    }
    ~TEditGroup() {
        if (set_) set_->EndEditGroup();
    }
    TEditGroup(const TEditGroup&) = delete;
    TEditGroup& operator=(const TEditGroup&) = delete;

  private:
    ICalcVarsBase* set_;
};

}  // namespace quillix
