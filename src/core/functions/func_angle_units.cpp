// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/func_angle_units.h"

#include "common/fp_checks.h"

namespace quillix::funcs {

namespace {

// pi/180, 180/pi, pi/200, 200/pi and 2 pi, each rounded once to the extended type.
constexpr long double kRadiansPerDegree = 0.0174532925199432957692369076848861271344L;
constexpr long double kDegreesPerRadian = 57.2957795130823208767981548141051703324L;
constexpr long double kRadiansPerGrad = 0.0157079632679489661923132169163975144210L;
constexpr long double kGradsPerRadian = 63.6619772367581343075535053490057448138L;
constexpr long double kRadiansPerCycle = 6.28318530717958647692528676655900576839L;

}  // namespace

long double DegToRad(long double X) {
    return CheckedMultiply(X, kRadiansPerDegree);
}
long double RadToDeg(long double X) {
    return CheckedMultiply(X, kDegreesPerRadian);
}
long double GradToRad(long double X) {
    return CheckedMultiply(X, kRadiansPerGrad);
}
long double RadToGrad(long double X) {
    return CheckedMultiply(X, kGradsPerRadian);
}
long double CycleToRad(long double X) {
    return CheckedMultiply(X, kRadiansPerCycle);
}
long double RadToCycle(long double X) {
    return CheckedDivide(X, kRadiansPerCycle);
}

long double DegToGrad(long double X) {
    return RadToGrad(DegToRad(X));
}
long double DegToCycle(long double X) {
    return RadToCycle(DegToRad(X));
}
long double GradToDeg(long double X) {
    return RadToDeg(GradToRad(X));
}
long double GradToCycle(long double X) {
    return RadToCycle(GradToRad(X));
}
long double CycleToDeg(long double X) {
    return RadToDeg(CycleToRad(X));
}
long double CycleToGrad(long double X) {
    return RadToGrad(CycleToRad(X));
}

}  // namespace quillix::funcs
