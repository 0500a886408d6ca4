// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/numeric_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/fp_checks.h"

namespace quillix {

namespace {

constexpr long double kNearTolerance = 1e-16L;

// |B|^m by squaring, lowest bit first; the base is not squared past the last bit.
long double PowerOfMagnitude(long double base, std::uint64_t magnitude) {
    long double result = 1;
    while (magnitude != 0) {
        if (magnitude & 1U) result *= base;
        magnitude >>= 1U;
        if (magnitude != 0) base *= base;
    }
    return result;
}

std::uint64_t MagnitudeOf(std::int64_t k) {
    return k < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(k) : static_cast<std::uint64_t>(k);
}

}  // namespace

std::int64_t IntegerArgument(long double x) {
    // Both bounds are exact in the extended type; NaN fails both comparisons.
    if (!(x > -9223372036854775809.0L && x < 9223372036854775808.0L)) RaiseInvalidOperation();
    return static_cast<std::int64_t>(std::trunc(x));
}

bool IsNearZero(long double x) {
    return std::fabs(x) <= kNearTolerance;
}

bool IsNear(long double x, long double y) {
    const long double tolerance =
        std::max(kNearTolerance, kNearTolerance * std::min(std::fabs(x), std::fabs(y)));
    return std::fabs(x - y) <= tolerance;
}

long double UncheckedIntPower(long double base, std::int64_t exponent) {
    const long double magnitude = PowerOfMagnitude(base, MagnitudeOf(exponent));
    return exponent < 0 ? 1 / magnitude : magnitude;
}

long double IntPower(long double base, std::int64_t exponent) {
    const long double magnitude = PowerOfMagnitude(base, MagnitudeOf(exponent));
    if (std::isnan(base)) return base;
    if (exponent >= 0) return CheckedResult(magnitude, {base});
    // A reciprocal of an overflowed power is a mere underflow; of an underflowed
    // one (a tiny base, not zero) an overflow.
    if (std::isinf(magnitude)) return 0;
    if (magnitude == 0 && base != 0) RaiseOverflow();
    return CheckedDivide(1, magnitude);
}

long double Power(long double base, long double exponent) {
    if (exponent == 0) return 1;
    if (base == 0 && exponent > 0) return 0;
    if (exponent == std::trunc(exponent) && std::fabs(exponent) <= 2147483647.0L) {
        return IntPower(base, static_cast<std::int64_t>(exponent));
    }
    return CheckedExp(CheckedMultiply(exponent, CheckedLn(base)));
}

long double CheckedSqrt(long double x) {
    if (x < 0) RaiseInvalidOperation();
    return std::sqrt(x);
}

long double CheckedLn(long double x) {
    if (x < 0) RaiseInvalidOperation();
    if (x == 0) RaiseZeroDivide();
    return std::log(x);
}

long double CheckedLnXP1(long double x) {
    if (x < -1) RaiseInvalidOperation();
    if (x == -1) RaiseZeroDivide();
    return std::log1p(x);
}

long double CheckedExp(long double x) {
    return CheckedResult(std::exp(x), {x});
}

void RequireArgs(const TExtendedArray& args, std::size_t count) {
    if (args.size() < count) RaiseCalcError(kMsgTooFewArguments);
}

double ToDouble(long double x) {
    // Halfway between the largest double and 2^1024: from here on rounding gives infinity.
    static const long double kFirstOverflow = std::ldexp(2.0L - std::ldexp(1.0L, -53), 1023);
    if (std::isfinite(x) && std::fabs(x) >= kFirstOverflow) RaiseOverflow();
    return static_cast<double>(x);
}

std::vector<double> ToDoubles(const TExtendedArray& list) {
    std::vector<double> doubles;
    doubles.reserve(list.size());
    for (const long double x : list)
        doubles.push_back(ToDouble(x));
    return doubles;
}

}  // namespace quillix
