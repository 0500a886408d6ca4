// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The finance box's depreciation schedule: one row per year of the expected life,
// the year's depreciation by the chosen method (SLN, SYD or DDB), the running
// total and the book value left.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/finance_choices.h"

namespace quillix::tools {

struct TDepreciationInputs {
    long double cost = 0;
    long double salvage = 0;
    long double life = 4;    // years, truncated toward zero
    long double factor = 2;  // declining balance only
    TDepreciationMethod method = kDefaultDepreciationMethod;
};

struct TDepreciationRow {
    std::int64_t year = 0;
    long double depreciation = 0;
    long double totalDepreciation = 0;
    long double bookValue = 0;  // cost - total
};

// The rows for years 1 ... life; none when the truncated life is 0 or less. A
// life beyond kMaxScheduleRows years, or a computation that fails, throws
// ECalcError with its message (and gives no rows).
std::vector<TDepreciationRow> DepreciationSchedule(const TDepreciationInputs& inputs);

// The column captions: "Year", "Depreciation", "Total Depreciation", "Book Value".
inline constexpr std::array<const char*, 4> kDepreciationColumns = {
    "Year", "Depreciation", "Total Depreciation", "Book Value"};

// A row's four cells as the table shows them: the year as an integer, the numbers
// in ScheduleNumberText form.
std::array<std::string, 4> DepreciationRowCells(const TDepreciationRow& row);

// The header line and one line per row, tab-separated.
std::string DepreciationScheduleText(const std::vector<TDepreciationRow>& rows);

}  // namespace quillix::tools
