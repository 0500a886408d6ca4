// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/func_trigonometry.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "common/fp_checks.h"
#include "functions/numeric_rules.h"

namespace quillix::funcs {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kInfinity = std::numeric_limits<long double>::infinity();
// 2^63: from here on the argument reduction of the circular functions is void.
constexpr long double kReductionLimit = 9223372036854775808.0L;
// Beyond this |X| the hyperbolic reciprocals are 2e^-|X| to the last digit.
constexpr long double kHyperbolicTailStart = 64;

bool BeyondReduction(long double x) {
    return std::fabs(x) >= kReductionLimit;
}

// 1 - X^2 as (1 - X)(1 + X), which keeps its digits for X near +-1.
long double OneMinusSquare(long double x) {
    return (1 - x) * (1 + x);
}

}  // namespace

long double Sin(long double X) {
    return BeyondReduction(X) ? 0 : std::sin(X);
}

long double Cos(long double X) {
    return BeyondReduction(X) ? 0 : std::cos(X);
}

long double Tan(long double X) {
    // Sine and cosine are both taken as 0 out there, so the tangent is 0/0.
    if (BeyondReduction(X)) RaiseInvalidOperation();
    return std::tan(X);
}

long double Csc(long double X) {
    return CheckedDivide(1, Sin(X));
}

long double Sec(long double X) {
    return CheckedDivide(1, Cos(X));
}

long double Cot(long double X) {
    return CheckedDivide(1, Tan(X));
}

long double Hypot(long double X, long double Y) {
    const long double a = std::fmax(std::fabs(X), std::fabs(Y));
    const long double b = std::fmin(std::fabs(X), std::fabs(Y));
    if (std::isnan(X) || std::isnan(Y)) return X + Y;
    if (b == 0) return a;
    const long double ratio = CheckedDivide(b, a);
    return CheckedMultiply(a, std::sqrt(1 + ratio * ratio));
}

// atan2(X, sqrt(1 - X^2)) and atan2(sqrt(1 - X^2), X) are the library's arcsine
// and arccosine; only the square root's domain needs checking.
long double ArcSin(long double X) {
    if (std::fabs(X) > 1) RaiseInvalidOperation();
    return std::asin(X);
}

long double ArcCos(long double X) {
    if (std::fabs(X) > 1) RaiseInvalidOperation();
    return std::acos(X);
}

long double ArcTan(long double X) {
    return std::atan(X);
}

long double ArcCsc(long double X) {
    return IsNearZero(X) ? kInfinity : ArcSin(CheckedDivide(1, X));
}

long double ArcSec(long double X) {
    return IsNearZero(X) ? kInfinity : ArcCos(CheckedDivide(1, X));
}

long double ArcCot(long double X) {
    return IsNearZero(X) ? kPi / 2 : std::atan(CheckedDivide(1, X));
}

// The library's hyperbolic functions compute (e^X -+ e^-X) / 2 without the
// cancellation of that formula for small X.
long double Sinh(long double X) {
    return IsNearZero(X) ? 0 : CheckedResult(std::sinh(X), {X});
}

long double Cosh(long double X) {
    return IsNearZero(X) ? 1 : CheckedResult(std::cosh(X), {X});
}

// Sinh / Cosh, which is +-1 where both would overflow.
long double Tanh(long double X) {
    return IsNearZero(X) ? 0 : std::tanh(X);
}

long double Csch(long double X) {
    if (std::fabs(X) > kHyperbolicTailStart) {
        return UnsignedZero(std::copysign(2 * std::exp(-std::fabs(X)), X));
    }
    return CheckedDivide(1, Sinh(X));
}

long double Sech(long double X) {
    if (std::fabs(X) > kHyperbolicTailStart) return 2 * std::exp(-std::fabs(X));
    return CheckedDivide(1, Cosh(X));
}

long double Coth(long double X) {
    return CheckedDivide(1, Tanh(X));
}

// ln(X + sqrt(X^2 + 1)) taken as an odd function, so that large negative X does
// not cancel to ln(0).
long double ArcSinh(long double X) {
    return std::asinh(X);
}

long double ArcCosh(long double X) {
    // The domain of ln(X + (X + 1) sqrt((X - 1) / (X + 1))): X = -1 divides by
    // zero, anything else below 1 is invalid.
    if (X == -1) RaiseZeroDivide();
    if (X < 1) RaiseInvalidOperation();
    return std::acosh(X);
}

long double ArcTanh(long double X) {
    if (IsNear(X, 1)) return kInfinity;
    if (IsNear(X, -1)) return -kInfinity;
    if (std::fabs(X) > 1) RaiseInvalidOperation();
    return std::atanh(X);
}

// ln(sqrt(1 + 1/X^2) + 1/X) is ArcSinh(1/X); the odd form keeps negative X exact.
long double ArcCsch(long double X) {
    return std::asinh(CheckedDivide(1, X));
}

long double ArcSech(long double X) {
    if (IsNearZero(X)) return kInfinity;
    if (IsNear(X, 1)) return 0;
    // ln((sqrt(1 - X^2) + 1) / X) as ln(1 + (sqrt(1 - X^2) + 1 - X) / X).
    const long double root = CheckedSqrt(OneMinusSquare(X));
    if (X < 0) RaiseInvalidOperation();
    return std::log1p((root + (1 - X)) / X);
}

long double ArcCoth(long double X) {
    if (IsNear(X, 1)) return kInfinity;
    if (IsNear(X, -1)) return -kInfinity;
    // 1/2 ln((X + 1) / (X - 1)) as 1/2 ln(1 + 2 / (X - 1)).
    return CheckedLnXP1(2 / (X - 1)) / 2;
}

namespace multi {

long double Hypot(const TExtendedArray& Args, const TExtendedArray&, const TExtendedArray&) {
    RequireArgs(Args, 2);
    return funcs::Hypot(Args[0], Args[1]);
}

}  // namespace multi

}  // namespace quillix::funcs
