// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/vars_columns.h"

#include <algorithm>

namespace quillix {

TVarsColumnPlan PlanVarsColumns(int listWidth, int roleWidth, int nameWidth, int formulaWidth) {
    const int room = std::max(listWidth, 0) - std::max(roleWidth, 0);
    TVarsColumnPlan plan;
    // A name narrower than the minimum by the user's choice stays so.
    plan.NameWidth = std::min(std::max(nameWidth, 0),
                              std::max(kMinNameColumnWidth, room - kMinValueColumnWidth));
    const int rest = room - plan.NameWidth;
    const int besideFormula = rest - std::max(formulaWidth, 0);
    plan.FormulaShown = besideFormula >= kMinValueColumnWidth;
    plan.ValueWidth = std::max(plan.FormulaShown ? besideFormula : rest, kMinValueColumnWidth);
    return plan;
}

}  // namespace quillix
