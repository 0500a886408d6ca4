// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/fp_checks.h"

namespace quillix {

void RaiseInvalidOperation() {
    RaiseCalcError(kMsgInvalidOperation);
}
void RaiseZeroDivide() {
    RaiseCalcError(kMsgZeroDivide);
}
void RaiseOverflow() {
    RaiseCalcError(kMsgOverflow);
}

long double CheckedNonFiniteResult(long double result,
                                   std::initializer_list<long double> operands) {
    if (std::isnan(result)) {
        for (const long double x : operands) {
            if (std::isnan(x)) return result;
        }
        RaiseInvalidOperation();
    }
    if (std::isinf(result)) {
        for (const long double x : operands) {
            if (!std::isfinite(x)) return result;
        }
        RaiseOverflow();
    }
    return result;
}

long double CheckedDivide(long double a, long double b) {
    if (b == 0) {
        if (std::isnan(a) || a == 0) RaiseInvalidOperation();
        if (std::isinf(a)) return a;
        RaiseZeroDivide();
    }
    return CheckedResult(a / b, {a, b});
}

}  // namespace quillix
