// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/operate_binary.h"

#include <cmath>
#include <cstdint>

#include "common/fp_checks.h"
#include "functions/numeric_rules.h"

namespace quillix {

std::uint8_t DateArithmeticKind(const TCalcValue& left, const TCalcValue& right) {
    return left.CVType() == cvDate && right.CVType() == cvNumber ? cvDate : cvNumber;
}

long double IntegerRemainder(long double a, long double b) {
    const std::int64_t left = IntegerArgument(a);
    const std::int64_t right = IntegerArgument(b);
    if (right == 0) RaiseCalcError(kMsgIntegerDivideByZero);
    if (right == -1) return 0;  // also for the smallest integer, whose quotient overflows
    return static_cast<long double>(left % right);
}

long double BitwiseAnd(long double a, long double b) {
    return static_cast<long double>(IntegerArgument(a) & IntegerArgument(b));
}

long double BitwiseOr(long double a, long double b) {
    return static_cast<long double>(IntegerArgument(a) | IntegerArgument(b));
}

long double BitwiseXor(long double a, long double b) {
    return static_cast<long double>(IntegerArgument(a) ^ IntegerArgument(b));
}

long double Percentage(long double base, long double percent) {
    return CheckedMultiply(base, CheckedDivide(percent, 100));
}

bool TolerantEquals(long double a, long double b) {
    const long double difference = std::fabs(CheckedSubtract(a, b));
    const long double scale = std::fmin(std::fabs(a), std::fabs(b)) * 1E-16L;
    return difference <= std::fmax(1E-16L, scale);
}

}  // namespace quillix
