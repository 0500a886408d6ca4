// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/calc_vars_intf.h"

namespace quillix {

namespace {
ICalcVars* published = nullptr;
}

ICalcVars* CalcVarsIntf() {
    return published;
}

void SetCalcVarsIntf(ICalcVars* vars) {
    published = vars;
}

}  // namespace quillix
