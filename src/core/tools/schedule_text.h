// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the finance schedules share: the longest table they build, the text of a
// number cell, and the tab-separated lines that paste straight into a spreadsheet.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace quillix::tools {

// A longer table would only exhaust memory and the user's patience; a schedule
// asked for more rows fails instead.
inline constexpr std::int64_t kMaxScheduleRows = 10000;

// How a schedule shows its numbers: in the shortest general form (none), or
// with that many decimals, as the window's "Decimal places:" asks.
using TScheduleDecimals = std::optional<int>;

// The shortest general text form, up to 15 significant digits ("225", "0.5",
// "1E20"), or exactly the decimals asked for ("225.00"); a zero, and a number
// that rounds to zero, never shows a sign.
std::string ScheduleNumberText(long double x, TScheduleDecimals decimals = std::nullopt);

// The cells joined by tabs, ended by a line feed.
std::string TabSeparatedLine(std::initializer_list<std::string_view> cells);

}  // namespace quillix::tools
