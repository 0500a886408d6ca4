// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Floating-point faults as the calculator reports them. The hardware status flags
// are not relied upon (they are not kept on every machine this runs on); instead
// each operation's result is judged from its operands, as the fault traps of the
// extended-precision unit would judge it:
//  - a NaN made from operands that are not NaN: "Invalid floating point operation";
//  - an infinity made from finite operands: "Floating point overflow";
//  - a finite non-zero number divided by zero: "Floating point division by zero".
// Underflow and inexact results are not faults.

#include <cmath>
#include <initializer_list>

#include "common/calc_error.h"

namespace quillix {

[[noreturn]] void RaiseInvalidOperation();
[[noreturn]] void RaiseZeroDivide();
[[noreturn]] void RaiseOverflow();

// The result of an operation over the given operands, checked as described above.
long double CheckedNonFiniteResult(long double result, std::initializer_list<long double> operands);
inline long double CheckedResult(long double result, std::initializer_list<long double> operands) {
    return std::isfinite(result) ? result : CheckedNonFiniteResult(result, operands);
}

// a / b with the division rules: 0/0 and NaN/0 are invalid, finite/0 divides by zero,
// an infinity over 0 stays infinite.
long double CheckedDivide(long double a, long double b);

inline long double CheckedAdd(long double a, long double b) {
    return CheckedResult(a + b, {a, b});
}
inline long double CheckedSubtract(long double a, long double b) {
    return CheckedResult(a - b, {a, b});
}
inline long double CheckedMultiply(long double a, long double b) {
    return CheckedResult(a * b, {a, b});
}

}  // namespace quillix
