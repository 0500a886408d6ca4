// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The variables list's use of its room: the role column keeps its width, the
// name column its own too unless the value column would be left without
// readable room (then the name gives way, down to its own minimum), the
// formula column shows only while the value column keeps enough room beside
// it, and the value column takes whatever is left.

namespace quillix {

// Narrower than this, a value column shows too few digits to be read.
inline constexpr int kMinValueColumnWidth = 120;
// A name column given way to the value still shows a short name whole.
inline constexpr int kMinNameColumnWidth = 64;

struct TVarsColumnPlan {
    bool FormulaShown = false;
    int NameWidth = 0;
    int ValueWidth = kMinValueColumnWidth;
};

// listWidth: the room inside the list; the other widths are the columns' as
// wanted (the user's or the defaults). Widths below 0 count as 0.
TVarsColumnPlan PlanVarsColumns(int listWidth, int roleWidth, int nameWidth, int formulaWidth);

}  // namespace quillix
