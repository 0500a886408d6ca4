// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/func_arithmetic.h"

#include <cmath>
#include <cstdint>

#include "common/fp_checks.h"
#include "functions/numeric_rules.h"

namespace quillix::funcs {

namespace {

// Ceil and Floor give the true integer for any finite X; what is not finite has
// no integer part to report.
long double FiniteIntegerPart(long double x) {
    if (!std::isfinite(x)) RaiseInvalidOperation();
    return std::trunc(x);
}

// The checks of a logarithm's domain, then the logarithm itself.
long double CheckedLogarithm(long double x, long double (*logarithm)(long double)) {
    CheckedLn(x);
    return logarithm(x);
}

}  // namespace

long double Sqrt(long double X) {
    return CheckedSqrt(X);
}

long double Recip(long double X) {
    return CheckedDivide(1, X);
}

long double Sqr(long double X) {
    return CheckedMultiply(X, X);
}

long double Abs(long double X) {
    return std::fabs(X);
}

long double Ceil(long double X) {
    const long double whole = FiniteIntegerPart(X);
    return UnsignedZero(X - whole > 0 ? whole + 1 : whole);
}

long double Floor(long double X) {
    const long double whole = FiniteIntegerPart(X);
    return UnsignedZero(X - whole < 0 ? whole - 1 : whole);
}

long double Exp(long double X) {
    return CheckedExp(X);
}

long double Fact(long double X) {
    // The count is an integer argument; factors are X, X - 1, ... and their
    // product overflows within some 1,760 of them, which ends the loop.
    const std::int64_t count = IntegerArgument(X);
    if (count <= 1) return X;
    long double product = X;
    long double factor = X;
    for (std::int64_t i = 1; i < count; ++i) {
        factor -= 1;
        product = CheckedMultiply(product, factor);
    }
    return product;
}

long double Int(long double X) {
    return UnsignedZero(std::trunc(X));
}

long double Frac(long double X) {
    return UnsignedZero(CheckedSubtract(X, std::trunc(X)));
}

long double Ln(long double X) {
    return CheckedLn(X);
}

long double LnXP1(long double X) {
    return CheckedLnXP1(X);
}

long double Log10(long double X) {
    return CheckedLogarithm(X, [](long double x) { return std::log10(x); });
}

long double Log2(long double X) {
    return CheckedLogarithm(X, [](long double x) { return std::log2(x); });
}

long double Round(long double X) {
    long double whole = std::trunc(X);
    const long double rest = X - whole;  // exact
    const long double half = std::fabs(rest);
    const bool away = half > 0.5L || (half == 0.5L && std::fmod(whole, 2.0L) != 0);
    if (away) whole += rest > 0 ? 1 : -1;
    return static_cast<long double>(IntegerArgument(whole));
}

long double Trunc(long double X) {
    return static_cast<long double>(IntegerArgument(X));
}

}  // namespace quillix::funcs
