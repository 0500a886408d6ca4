// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/vars_columns.h"

#include <gtest/gtest.h>

namespace quillix {
namespace {

TEST(VarsColumns, TheFormulaShowsWhenTheValueKeepsItsRoom) {
    struct Row {
        int list, role, name, formula;
        bool formulaShown;
        int value;
    };
    const Row rows[] = {
        {600, 22, 90, 200, true, 288},   // wide: the value takes what is left
        {432, 22, 90, 200, true, 120},   // just enough room for both
        {431, 22, 90, 200, false, 319},  // one pixel less: the value takes it all
        {250, 22, 90, 200, false, 138},
        {100, 22, 90, 200, false, 120},  // never narrower than readable
        {0, 22, 90, 200, false, 120},    // not laid out yet
        {400, -5, -1, -9, true, 400},    // odd widths count as none
    };
    for (const Row& row : rows) {
        const TVarsColumnPlan plan = PlanVarsColumns(row.list, row.role, row.name, row.formula);
        EXPECT_EQ(plan.FormulaShown, row.formulaShown) << row.list;
        EXPECT_EQ(plan.ValueWidth, row.value) << row.list;
    }
}

}  // namespace
}  // namespace quillix
