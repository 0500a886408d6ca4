#include "model/operate_binary.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "common/fp_checks.h"

namespace quillix {

namespace {

// Truncation toward zero to a signed 64-bit integer; outside that range (or for
// NaN) the conversion is an invalid operation.
std::int64_t TruncToInt64(long double x) {
    constexpr long double kLimit = 9223372036854775808.0L;  // 2^63
    if (!(x >= -kLimit && x < kLimit)) RaiseInvalidOperation();
    return static_cast<std::int64_t>(x);
}

// Repeated squaring over |exponent|, lowest bit first; a base is squared only
// when a further bit needs it, so no overflow is reported that the result does
// not have.
long double PowerOfMagnitude(long double base, std::uint64_t bits) {
    long double result = 1;
    while (bits != 0) {
        if (bits & 1) result = CheckedMultiply(result, base);
        bits >>= 1;
        if (bits != 0) base = CheckedMultiply(base, base);
    }
    return result;
}

long double IntPower(long double base, std::int64_t exponent) {
    if (exponent >= 0) return PowerOfMagnitude(base, static_cast<std::uint64_t>(exponent));
    const std::uint64_t bits = static_cast<std::uint64_t>(-exponent);
    try {
        return CheckedDivide(1, PowerOfMagnitude(base, bits));
    } catch (const ECalcError&) {
        // The positive power overflows, so the true result underflows: take the
        // power of the reciprocal instead (10^-5000 is 0, not an overflow).
        if (base == 0 || std::fabs(base) <= 1) throw;
        return PowerOfMagnitude(1 / base, bits);
    }
}

}  // namespace

std::uint8_t DateArithmeticKind(const TCalcValue& left, const TCalcValue& right) {
    return left.CVType() == cvDate && right.CVType() == cvNumber ? cvDate : cvNumber;
}

long double CheckedPlus(long double a, long double b) {
    return CheckedAdd(a, b);
}
long double CheckedMinus(long double a, long double b) {
    return CheckedSubtract(a, b);
}
long double CheckedTimes(long double a, long double b) {
    return CheckedMultiply(a, b);
}
long double CheckedOver(long double a, long double b) {
    return CheckedDivide(a, b);
}

long double PowerOf(long double base, long double exponent) {
    if (exponent == 0) return 1;
    if (base == 0 && exponent > 0) return 0;
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= 2147483647.0L) {
        return IntPower(base, static_cast<std::int64_t>(exponent));
    }
    if (base < 0) RaiseInvalidOperation();
    if (base == 0) RaiseZeroDivide();  // ln 0 for a negative fractional exponent
    const long double product = CheckedMultiply(exponent, std::log(base));
    return CheckedResult(std::exp(product), {base, exponent});
}

long double IntegerRemainder(long double a, long double b) {
    const std::int64_t left = TruncToInt64(a);
    const std::int64_t right = TruncToInt64(b);
    if (right == 0) RaiseCalcError(kMsgIntegerDivideByZero);
    if (right == -1) return 0;  // also for the smallest integer, whose quotient overflows
    return static_cast<long double>(left % right);
}

long double BitwiseAnd(long double a, long double b) {
    return static_cast<long double>(TruncToInt64(a) & TruncToInt64(b));
}

long double BitwiseOr(long double a, long double b) {
    return static_cast<long double>(TruncToInt64(a) | TruncToInt64(b));
}

long double BitwiseXor(long double a, long double b) {
    return static_cast<long double>(TruncToInt64(a) ^ TruncToInt64(b));
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
