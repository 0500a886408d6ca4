// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The variables list's use of its room: the role and name columns keep their
// widths, the formula column shows only while the value column keeps enough
// room beside it, and the value column takes whatever is left.

namespace quillix {

// Narrower than this, a value column shows too few digits to be read.
inline constexpr int kMinValueColumnWidth = 120;

struct TVarsColumnPlan {
    bool FormulaShown = false;
    int ValueWidth = kMinValueColumnWidth;
};

// listWidth: the room inside the list; the other widths are the columns'.
// Widths below 0 count as 0.
TVarsColumnPlan PlanVarsColumns(int listWidth, int roleWidth, int nameWidth, int formulaWidth);

}  // namespace quillix
