// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The column widths a list remembers in the settings: whole pixels as comma
// text ("22,90,160"). What a hand-edited file holds reads sensibly: a width
// that is no integer, or too narrow or too wide to be meant, is no width, and
// its column keeps the width the window gives it.

#include <string>
#include <string_view>
#include <vector>

namespace quillix {

// Widths outside this range are no widths.
inline constexpr int kMinColumnWidth = 8;
inline constexpr int kMaxColumnWidth = 4000;

// The widths of the first `columns` columns, 0 for a column without one.
std::vector<int> ReadColumnWidths(std::string_view text, std::size_t columns);

std::string ColumnWidthsText(const std::vector<int>& widths);

}  // namespace quillix
