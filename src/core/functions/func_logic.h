// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Logic" category (catalogue numbers 89 to 91). A number is true when it is
// greater than 0; results are 1 for true and 0 for false, or the chosen value.

#include "functions/func_types.h"

namespace quillix::funcs {

long double Not(long double X);

namespace multi {
long double If(const TExtendedArray& Args, const TExtendedArray& Array1,
               const TExtendedArray& Array2);
// Args = [Default], Array1 = the tests, Array2 = the values (both as doubles).
long double Case(const TExtendedArray& Args, const TExtendedArray& Array1,
                 const TExtendedArray& Array2);
}  // namespace multi

}  // namespace quillix::funcs
