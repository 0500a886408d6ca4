// SPDX-License-Identifier: GPL-3.0-or-later
// The iterative finance routines (Rate, IRR) and the net present value of a list
// of cash flows; declared in func_finance.h.

#include <cmath>
#include <cstdint>
#include <utility>

#include "common/fp_checks.h"
#include "functions/func_finance.h"
#include "functions/numeric_rules.h"

namespace quillix::funcs {

namespace {

constexpr int kMaxNewtonSteps = 15;

bool NewtonConverged(long double step, long double at) {
    return std::fabs(step) < 1e-15L + 1e-12L * std::fabs(at);
}

// The cash-flow polynomial at x, split by the sign of the flows, with the sums
// of i * c_i * x^i beside them (Horner order, last flow first).
struct SplitPolynomial {
    long double negative = 0;
    long double positive = 0;
    long double negativeSlope = 0;
    long double positiveSlope = 0;
};

SplitPolynomial EvaluateSplit(const std::vector<double>& flows, long double x) {
    SplitPolynomial p;
    for (std::size_t i = flows.size(); i-- > 0;) {
        const long double c = flows[i];
        const long double weighted = static_cast<long double>(i) * c;
        p.negative *= x;
        p.positive *= x;
        p.negativeSlope *= x;
        p.positiveSlope *= x;
        if (c < 0) {
            p.negative += c;
            p.negativeSlope += weighted;
        } else {
            p.positive += c;
            p.positiveSlope += weighted;
        }
    }
    return p;
}

// Where Newton's method may start at rate 0: every running sum up to the last
// outflow is still negative (money goes out first and comes back later).
bool PaysBackAfterOutflows(const std::vector<double>& flows) {
    std::size_t afterLastOutflow = 0;
    for (std::size_t i = 0; i < flows.size(); ++i) {
        if (flows[i] < 0) afterLastOutflow = i + 1;
    }
    long double running = 0;
    for (std::size_t i = 0; i < afterLastOutflow; ++i) {
        running += flows[i];
        if (running >= 0) return false;
    }
    return afterLastOutflow > 0;
}

}  // namespace

long double InterestRate(long double NPer, long double PMT, long double PV, long double FV,
                         long double Type) {
    const std::int64_t periods = IntegerArgument(NPer);
    const bool due = PaysAtStart(Type);
    if (periods <= 0) RaiseCalcError("InterestRate");
    const long double n = static_cast<long double>(periods);
    long double first = due ? PV + PMT : PV;
    long double last = due ? FV : FV + PMT;
    long double pmt = PMT;
    const bool reversed = first * pmt > 0;
    if (reversed) std::swap(first, last);
    if (first > 0) {
        first = -first;
        pmt = -pmt;
        last = -last;
    }
    if (first == 0 || last < 0) RaiseCalcError("InterestRate");
    // Flows that add up to nothing earn nothing: rate 0 exactly, where the
    // iteration's sums would lose all their digits.
    if (first + pmt * (n - 1) + last == 0) return 0;

    // Newton's method on u = -ln(1 + rate) (ln(1 + rate) for reversed flows), for
    // pmt * X(u) + last * e^(nu) = -first with X(u) = e^u + ... + e^((n-1)u), which
    // is taken through expm1 so that it keeps its digits near u = 0. The first
    // step starts from X = n.
    long double u = 0;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const long double enu = std::exp(n * u);
        if (enu + 1 == enu) {
            const long double perpetuity = -pmt / first;
            return reversed ? 1 / (1 + perpetuity) - 1 : perpetuity;
        }
        const long double eu = std::exp(u);
        const long double eu1 = std::expm1(u);
        long double x;
        long double y;
        if (eu1 != 0) {
            x = eu * std::expm1((n - 1) * u) / eu1;
            y = (n * enu - eu - x * eu) / eu1;
        } else {
            x = n;
            y = n * (n - 1) / 2;
        }
        const long double z = pmt * x + last * enu;
        const long double slope = CheckedDivide(pmt * y + last * n * enu, z);
        const long double change = CheckedDivide(CheckedLn(CheckedDivide(z, -first)), slope);
        u -= change;
        if (NewtonConverged(change, u)) {
            if (!reversed) u = -u;
            return std::expm1(u);
        }
    }
    RaiseCalcError("InterestRate");
}

long double InternalRateOfReturn(long double Guess, const TExtendedArray& CashFlows) {
    const std::vector<double> flows = ToDoubles(CashFlows);
    // Newton's method on T = -ln(1 + rate), over x = e^T = 1 / (1 + rate).
    long double t = 0;
    if (!PaysBackAfterOutflows(flows)) {
        if (!(Guess > -1)) RaiseCalcError("InternalRateOfReturn");
        t = -CheckedLnXP1(Guess);
    }
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const SplitPolynomial p = EvaluateSplit(flows, std::exp(t));
        if (p.positive <= p.negative) RaiseCalcError("InternalRateOfReturn");
        if (p.negative >= 0 || p.positive <= 0) return -1;
        const long double slope = CheckedSubtract(CheckedDivide(p.negativeSlope, p.negative),
                                                  CheckedDivide(p.positiveSlope, p.positive));
        const long double change =
            CheckedDivide(CheckedLn(CheckedDivide(-p.negative, p.positive)), slope);
        t -= change;
        if (NewtonConverged(change, t)) return CheckedResult(std::expm1(-t), {t});
    }
    RaiseCalcError("InternalRateOfReturn");
}

long double NetPresentValue(long double Rate, const TExtendedArray& CashFlows, long double Type) {
    const std::vector<double> flows = ToDoubles(CashFlows);
    const bool due = PaysAtStart(Type);
    if (Rate <= -1) RaiseCalcError("NetPresentValue");
    const long double v = 1 / (1 + Rate);
    long double sum = 0;
    for (std::size_t i = flows.size(); i-- > 0;)
        sum = CheckedAdd(CheckedMultiply(sum, v), flows[i]);
    return due ? sum : CheckedMultiply(sum, v);
}

namespace multi {

long double Rate(const TExtendedArray& Args, const TExtendedArray&, const TExtendedArray&) {
    RequireArgs(Args, 5);
    return InterestRate(Args[0], Args[1], Args[2], Args[3], Args[4]);
}

long double IRR(const TExtendedArray& Args, const TExtendedArray& Array1, const TExtendedArray&) {
    RequireArgs(Args, 1);
    return InternalRateOfReturn(Args[0], Array1);
}

long double NPV(const TExtendedArray& Args, const TExtendedArray& Array1, const TExtendedArray&) {
    RequireArgs(Args, 2);
    return NetPresentValue(Args[0], Array1, Args[1]);
}

}  // namespace multi

}  // namespace quillix::funcs
