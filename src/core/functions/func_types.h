// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shapes every built-in function has: a one-argument routine, or an array
// routine over the plain arguments and up to two lists of numbers.

#include <vector>

namespace quillix {

using TExtendedArray = std::vector<long double>;
using TFuncProc = long double (*)(long double);
using TMultiFuncProc = long double (*)(const TExtendedArray& Args, const TExtendedArray& Array1,
                                       const TExtendedArray& Array2);

}  // namespace quillix
