// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A variables view with a fixed selection, published as VarsViewIntf while it
// lives, for the dialogs that take the selected variables as a list.

#include <string>
#include <vector>

#include "model/calc_vars_intf.h"
#include "vars_view_intf.h"

namespace quillix::test {

class TFakeVarsView final : public IVarsView {
  public:
    explicit TFakeVarsView(std::vector<std::string> selected) : selected_(std::move(selected)) {
        VarsViewIntf = this;
    }
    ~TFakeVarsView() override { VarsViewIntf = nullptr; }

    bool GetSelectedValues(std::vector<ValueRef>& list) override {
        if (selected_.size() < 2) return false;
        list.clear();
        for (const std::string& name : selected_)
            list.push_back(CalcVarsIntf()->GetValue(name)->MakeReference());
        return true;
    }

  private:
    std::vector<std::string> selected_;
};

}  // namespace quillix::test
