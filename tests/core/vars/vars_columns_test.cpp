// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/vars_columns.h"

#include <gtest/gtest.h>

namespace quillix {
namespace {

TEST(VarsColumns, TheFormulaShowsWhenTheValueKeepsItsRoomAndTheNameGivesWayLast) {
    struct Row {
        int list, role, name, formula;
        bool formulaShown;
        int shownName, value;
    };
    const Row rows[] = {
        {600, 22, 90, 200, true, 90, 288},   // wide: the value takes what is left
        {432, 22, 90, 200, true, 90, 120},   // just enough room for both
        {431, 22, 90, 200, false, 90, 319},  // one pixel less: the value takes it all
        {250, 22, 90, 200, false, 90, 138},
        {232, 22, 90, 200, false, 90, 120},   // the name keeps its width while it can
        {222, 22, 100, 160, false, 80, 120},  // the main window's list: no scrolling
        {100, 22, 90, 200, false, 64, 120},   // never narrower than readable
        {0, 22, 90, 200, false, 64, 120},     // not laid out yet
        {150, 22, 40, 200, false, 40, 120},   // a name the user made narrow stays so
        {400, -5, -1, -9, true, 0, 400},      // odd widths count as none
    };
    for (const Row& row : rows) {
        const TVarsColumnPlan plan = PlanVarsColumns(row.list, row.role, row.name, row.formula);
        EXPECT_EQ(plan.FormulaShown, row.formulaShown) << row.list;
        EXPECT_EQ(plan.NameWidth, row.shownName) << row.list;
        EXPECT_EQ(plan.ValueWidth, row.value) << row.list;
    }
}

}  // namespace
}  // namespace quillix
