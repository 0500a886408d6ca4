// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Angle Unit" category (catalogue numbers 55 to 66): conversions between
// cycles, degrees, grads and radians. Six go directly to or from radians; the
// other six take the two steps through radians, each rounded.

namespace quillix::funcs {

long double CycleToDeg(long double X);
long double CycleToGrad(long double X);
long double CycleToRad(long double X);
long double DegToCycle(long double X);
long double DegToGrad(long double X);
long double DegToRad(long double X);
long double GradToCycle(long double X);
long double GradToDeg(long double X);
long double GradToRad(long double X);
long double RadToCycle(long double X);
long double RadToDeg(long double X);
long double RadToGrad(long double X);

}  // namespace quillix::funcs
