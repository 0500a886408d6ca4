// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How an array routine's three arrays are laid out from a parameter list: Args
// takes the plain parameters in order, Array1 the list of the first array
// parameter, Array2 the list of every further one.

#include <vector>

#include "functions/func_catalogue.h"

namespace quillix {

struct TFuncArguments {
    TExtendedArray Args;
    TExtendedArray Array1;
    TExtendedArray Array2;
};

// Values holds one entry per parameter, in declaration order: the list of an
// array parameter, or the one number of a plain parameter. A plain parameter
// whose entry is missing or empty takes its default; without one the layout
// fails with ECalcError (kMsgTooFewArguments). A plain entry of several numbers
// fails too; a missing list is empty.
TFuncArguments LayOutFuncArguments(const TFuncParamDefArray& Params,
                                   const std::vector<TExtendedArray>& Values);

}  // namespace quillix
