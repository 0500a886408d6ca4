// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a plot of a what-if table needs beyond the table: the range each axis
// shows, and which outputs are drawn against a second y axis because their
// sizes differ from the others' by orders of magnitude (one line near zero
// beside another in the thousands would otherwise be flat).

#include <optional>
#include <span>
#include <vector>

#include "whatif/whatif_table.h"

namespace quillix {

// Outputs this many times smaller than the largest go to the second axis.
inline constexpr long double kSecondAxisRatio = 100;

struct TAxisRange {
    long double Low = 0;
    long double High = 0;
};

// The least and greatest number among the cells of column `output` (error
// cells and dates left out); nothing when there is no number.
std::optional<TAxisRange> OutputRange(const TWhatIfTable& table, std::size_t output);

// A range with room to show it: equal ends are widened, and a margin of
// `margin` (a fraction of the span) is added on both sides.
TAxisRange PaddedRange(TAxisRange range, long double margin);

// For each output: true when it belongs on the second y axis. Only when the
// largest size (greatest absolute value) is at least kSecondAxisRatio times
// an output's size; outputs without numbers or only zeros stay on the first axis.
std::vector<bool> SecondAxisOutputs(const TWhatIfTable& table);

// The least and greatest number among a grid's cells (errors and dates left
// out); nothing when there is none.
std::optional<TAxisRange> GridRange(const TWhatIfGrid& grid);
// Where a cell lies in range, from 0 (the least) to 1 (the greatest), for a
// heat-map shading; nothing for an error cell, a date or a number outside.
// Every number of a range without span lies at 0.5.
std::optional<double> HeatShare(const TWhatIfCell& cell, TAxisRange range);

}  // namespace quillix
