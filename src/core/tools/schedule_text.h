// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the finance schedules share: the longest table they build, the text of a
// number cell, and the tab-separated lines that paste straight into a spreadsheet.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quillix::tools {

// A longer table would only exhaust memory and the user's patience; a schedule
// asked for more rows fails instead.
inline constexpr std::int64_t kMaxScheduleRows = 10000;

// The shortest general text form, up to 15 significant digits ("225", "0.5",
// "1E20"); a zero never shows a sign.
std::string ScheduleNumberText(long double x);

// The cells joined by tabs, ended by a line feed.
std::string TabSeparatedLine(std::initializer_list<std::string_view> cells);

}  // namespace quillix::tools
