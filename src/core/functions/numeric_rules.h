// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rules that the built-in functions share: how a real becomes an integer
// argument, truth values, the "near" comparisons of the trigonometry, integer and
// real powers, and the elementary functions checked for the calculator's
// floating-point faults (see common/fp_checks.h).

#include <cstddef>
#include <cstdint>

#include "functions/func_types.h"

namespace quillix {

// Messages of the cases the routines refuse on their own account.
inline constexpr const char* kMsgTooFewArguments = "Not enough arguments for the function";
inline constexpr const char* kMsgEmptyList = "The list of numbers is empty";
inline constexpr const char* kMsgDateOutOfRange = "Date is outside the years 1 to 9999";

// X truncated toward zero; "Invalid floating point operation" when that lies
// outside the signed 64-bit range or X is not a number.
std::int64_t IntegerArgument(long double x);

// The finance Type flag: 0 pays at the end of each period, anything else at the start.
inline bool PaysAtStart(long double type) {
    return IntegerArgument(type) != 0;
}

// A number is true when it is strictly greater than 0 (NaN is false).
inline bool IsTrue(long double x) {
    return x > 0;
}

// |X| <= 1e-16, and |X - Y| <= max(1e-16, 1e-16 * min(|X|, |Y|)).
bool IsNearZero(long double x);
bool IsNear(long double x, long double y);

// B^k by repeated squaring, 1/B^|k| for k < 0; faults are raised.
long double IntPower(long double base, std::int64_t exponent);
// The same without fault checks: an overflow gives infinity, for callers that
// test the size of the result themselves.
long double UncheckedIntPower(long double base, std::int64_t exponent);
// B^E: IntPower for whole exponents up to 2^31 - 1 in size, else e^(E ln B).
long double Power(long double base, long double exponent);

long double CheckedSqrt(long double x);
long double CheckedLn(long double x);
long double CheckedLnXP1(long double x);  // ln(1 + x), accurate for tiny x
long double CheckedExp(long double x);

// A zero result without its sign, so that integers never show as "-0".
inline long double UnsignedZero(long double x) {
    return x == 0 ? 0.0L : x;
}

// Fails with kMsgTooFewArguments when Args holds fewer than `count` numbers (a
// node read from a damaged file may lack operands).
void RequireArgs(const TExtendedArray& args, std::size_t count);

// X rounded to double precision; a finite X beyond the double range fails with
// "Floating point overflow", as the store to a double would.
double ToDouble(long double x);
// The list converted element by element to double precision, as the array
// functions take their lists.
std::vector<double> ToDoubles(const TExtendedArray& list);

}  // namespace quillix
