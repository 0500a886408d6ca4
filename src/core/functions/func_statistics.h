// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Statistical" category (catalogue numbers 79 to 88): each takes the one
// list "Numbers" in Array1, converted to double precision, and accumulates in
// extended precision. An empty list is refused with kMsgEmptyList.

#include "functions/func_types.h"

namespace quillix::funcs::multi {

long double AVG(const TExtendedArray& Args, const TExtendedArray& Array1,
                const TExtendedArray& Array2);
long double Sum(const TExtendedArray& Args, const TExtendedArray& Array1,
                const TExtendedArray& Array2);
long double Min(const TExtendedArray& Args, const TExtendedArray& Array1,
                const TExtendedArray& Array2);
long double Max(const TExtendedArray& Args, const TExtendedArray& Array1,
                const TExtendedArray& Array2);
long double Norm(const TExtendedArray& Args, const TExtendedArray& Array1,
                 const TExtendedArray& Array2);
long double StdDev(const TExtendedArray& Args, const TExtendedArray& Array1,
                   const TExtendedArray& Array2);
long double StdDevP(const TExtendedArray& Args, const TExtendedArray& Array1,
                    const TExtendedArray& Array2);
long double Var(const TExtendedArray& Args, const TExtendedArray& Array1,
                const TExtendedArray& Array2);
long double VarP(const TExtendedArray& Args, const TExtendedArray& Array1,
                 const TExtendedArray& Array2);
long double VarT(const TExtendedArray& Args, const TExtendedArray& Array1,
                 const TExtendedArray& Array2);

}  // namespace quillix::funcs::multi
