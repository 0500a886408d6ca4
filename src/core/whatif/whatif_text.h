// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What-if tables as text: a header line of names, then a line per row, each
// cell the plain display text. Tab-separated (control characters shown as
// escapes, so that a line stays a line) or comma-separated with RFC 4180
// quoting. The command line prints these lines; the window copies and saves them.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "whatif/whatif_table.h"

namespace quillix {

enum class TTableSeparator { kTab, kComma };

// The fields joined into one line, with its line end.
std::string TableLine(std::span<const std::string> fields, TTableSeparator separator);

// The input's name, then the outputs' names.
std::vector<std::string> TableHeaderFields(const std::string& input,
                                           std::span<const std::string> outputs);
// "ROWINPUT\COLUMNINPUT", then the columns' values.
std::vector<std::string> GridHeaderFields(const TGridAxes& axes);
// The row's input value, then its cells.
std::vector<std::string> RowFields(long double input, std::span<const TWhatIfCell> cells);

std::string TableText(const TWhatIfTable& table, TTableSeparator separator);
std::string GridText(const TWhatIfGrid& grid, TTableSeparator separator);

}  // namespace quillix
