// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one-argument functions of the "Arithmetic" category (catalogue numbers 1
// to 16). Each raises ECalcError with the calculator's fault message.

namespace quillix::funcs {

long double Sqrt(long double X);
long double Recip(long double X);
long double Sqr(long double X);
long double Abs(long double X);
long double Ceil(long double X);
long double Exp(long double X);
long double Fact(long double X);
long double Floor(long double X);
long double Frac(long double X);
long double Int(long double X);
long double Ln(long double X);
long double LnXP1(long double X);
long double Log10(long double X);
long double Log2(long double X);
long double Round(long double X);
long double Trunc(long double X);

}  // namespace quillix::funcs
