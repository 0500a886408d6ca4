// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/tvm_solver.h"

#include <cmath>

#include "common/calc_error.h"
#include "common/fp_checks.h"
#include "functions/func_finance.h"

namespace quillix::tools {

namespace {

long double Solve(const TTvmInputs& in, TTvmKey key) {
    const long double f = PeriodsPerYear(in.frequency);
    const long double t = TypeFlag(in.time);
    const long double r = PeriodicRate(in);
    switch (key) {
        case TTvmKey::N:
            return funcs::NumberOfPeriods(r, in.PMT, in.PV, in.FV, t);
        case TTvmKey::IYR:
            return CheckedMultiply(funcs::InterestRate(in.N, in.PMT, in.PV, in.FV, t), f * 100);
        case TTvmKey::PV:
            return funcs::PresentValue(r, in.N, in.PMT, in.FV, t);
        case TTvmKey::PMT:
            return funcs::Payment(r, in.N, in.PV, in.FV, t);
        case TTvmKey::FV:
            return funcs::FutureValue(r, in.N, in.PMT, in.PV, t);
    }
    RaiseInvalidOperation();
}

}  // namespace

long double PeriodicRate(const TTvmInputs& inputs) {
    return inputs.IYR / PeriodsPerYear(inputs.frequency) / 100;
}

std::optional<long double> SolveTvm(const TTvmInputs& inputs, TTvmKey key) {
    try {
        const long double value = Solve(inputs, key);
        if (!std::isfinite(value)) return std::nullopt;
        return value;
    } catch (const ECalcError&) {
        return std::nullopt;
    }
}

long double TTvmInputs::*TvmMember(TTvmKey key) {
    switch (key) {
        case TTvmKey::N:
            return &TTvmInputs::N;
        case TTvmKey::IYR:
            return &TTvmInputs::IYR;
        case TTvmKey::PV:
            return &TTvmInputs::PV;
        case TTvmKey::PMT:
            return &TTvmInputs::PMT;
        case TTvmKey::FV:
            return &TTvmInputs::FV;
    }
    return &TTvmInputs::N;
}

bool SolveTvmInPlace(TTvmInputs& inputs, TTvmKey key) {
    const std::optional<long double> value = SolveTvm(inputs, key);
    if (!value) return false;
    inputs.*TvmMember(key) = *value;
    return true;
}

}  // namespace quillix::tools
