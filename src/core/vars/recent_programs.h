// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recent programs: the last eight programs opened or saved, most recent
// first, as "File" › "Recent Programs" lists them. The list lives in the
// settings ("Main"/"RecentPrograms", comma text) and is read and written there
// at each use, so every window sees the same list. An entry is a program's
// name in the programs library, which is how the document opens a program.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillix {

class IConfigor;

inline constexpr std::size_t kRecentProgramsLimit = 8;

// The list as stored, cleaned of what a hand-edited file may hold: blank
// entries, repeats (names compare as program names do) and entries past the
// eighth are dropped.
std::vector<std::string> RecentPrograms(const IConfigor& settings);

// Puts name first (a listed name moves up), keeps eight and writes the list.
// A name the list cannot keep (blank, or with a line break the settings file
// cannot hold) changes nothing.
void RememberRecentProgram(IConfigor& settings, std::string_view name);

// Drops the name from the list (a program that has gone); false when it was
// not listed.
bool ForgetRecentProgram(IConfigor& settings, std::string_view name);

// The menu entry of the list's index-th name (from 0): "&1 Loan" ... "&8 ...",
// with an "&" of the name doubled so that it shows.
std::string RecentProgramCaption(std::size_t index, std::string_view name);

// What the user is told when a chosen recent program is no longer there.
std::string MissingRecentProgramMessage(std::string_view name);

}  // namespace quillix
