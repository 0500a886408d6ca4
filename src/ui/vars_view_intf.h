// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// IVarsView: what the function parameter dialog takes from the variables view,
// the values of the selected variables as a list argument. VarsViewIntf is set
// by the view while it lives.

#include <vector>

#include "model/value_ref.h"

namespace quillix {

class IVarsView {
  public:
    virtual ~IVarsView() = default;
    // False, and list untouched, when fewer than two rows are selected; else the
    // list becomes one new value per selected row, in row order, each a reference
    // to that variable's value.
    virtual bool GetSelectedValues(std::vector<ValueRef>& list) = 0;
};

inline IVarsView* VarsViewIntf = nullptr;

}  // namespace quillix
