// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Trigonometry" category (catalogue numbers 17 to 41): circular and
// hyperbolic functions and their inverses in radians, with the "near" rules that
// turn poles into explicit infinities. Hypot is the one array routine.

#include "functions/func_types.h"

namespace quillix::funcs {

long double Sin(long double X);
long double Cos(long double X);
long double Tan(long double X);
long double Csc(long double X);
long double Sec(long double X);
long double Cot(long double X);
long double Hypot(long double X, long double Y);
long double ArcSin(long double X);
long double ArcCos(long double X);
long double ArcTan(long double X);
long double ArcCsc(long double X);
long double ArcSec(long double X);
long double ArcCot(long double X);
long double Sinh(long double X);
long double Cosh(long double X);
long double Tanh(long double X);
long double Csch(long double X);
long double Sech(long double X);
long double Coth(long double X);
long double ArcSinh(long double X);
long double ArcCosh(long double X);
long double ArcTanh(long double X);
long double ArcCsch(long double X);
long double ArcSech(long double X);
long double ArcCoth(long double X);

namespace multi {
long double Hypot(const TExtendedArray& Args, const TExtendedArray& Array1,
                  const TExtendedArray& Array2);
}  // namespace multi

}  // namespace quillix::funcs
