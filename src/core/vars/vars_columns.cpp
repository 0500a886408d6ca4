// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/vars_columns.h"

#include <algorithm>

namespace quillix {

TVarsColumnPlan PlanVarsColumns(int listWidth, int roleWidth, int nameWidth, int formulaWidth) {
    const int fixed = std::max(roleWidth, 0) + std::max(nameWidth, 0);
    const int rest = std::max(listWidth, 0) - fixed;
    TVarsColumnPlan plan;
    const int besideFormula = rest - std::max(formulaWidth, 0);
    plan.FormulaShown = besideFormula >= kMinValueColumnWidth;
    plan.ValueWidth = std::max(plan.FormulaShown ? besideFormula : rest, kMinValueColumnWidth);
    return plan;
}

}  // namespace quillix
