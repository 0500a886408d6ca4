// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading back the date of a formula text: what stands between "[" and "]" when
// a date without a tree is shown. That is the short date form in use (whatever
// order of day, month and year it has), an ISO date, or a bare day number (the
// form of a day outside the years 1 to 9999). A date box reads what is typed
// into it the same way, less the bare day number.

#include <optional>
#include <string_view>

namespace quillix {

// The day number of the text, or nothing when it is no date. A two-digit year
// (a short date form that drops the century) means 1950 to 2049.
std::optional<double> ReadDateText(std::string_view text);

// A date typed into a date box: the short date form in use ("29/02/2024",
// "2/29/24") or an ISO date ("2024-02-29"). Nothing for a number alone, for
// text with letters ("29 Feb 2024", "2024-02-29x") and for a day that does not
// exist, so that the box keeps its date.
std::optional<double> ReadTypedDate(std::string_view text);

}  // namespace quillix
