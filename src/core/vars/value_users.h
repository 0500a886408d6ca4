// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Who uses a value, found upward through the referrers: the named values
// (variables) whose formulas use it directly, through unnamed values only, and
// the named values that depend on it at any distance. Work lists, not
// recursion, and each value is visited once however many paths lead to it.

#include <vector>

namespace quillix {

class TCalcValue;

// The named values whose formulas use value without another variable between.
std::vector<TCalcValue*> NamedUsersOf(const TCalcValue& value);
// The named values whose formulas use value at any distance.
std::vector<TCalcValue*> NamedDependantsOf(const TCalcValue& value);

}  // namespace quillix
