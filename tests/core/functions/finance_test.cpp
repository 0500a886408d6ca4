// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/functions/func_test_support.h"

namespace quillix {
namespace {

using testing::CallFunc;
using testing::CloseTo;
using testing::ErrorOf;

struct ValueRow {
    const char* name;
    TExtendedArray args;
    TExtendedArray flows;
    long double expected;
    long double relative;
};

void ExpectValues(const std::vector<ValueRow>& rows) {
    for (const ValueRow& row : rows) {
        std::string call = std::string(row.name) + "(";
        for (const long double x : row.args)
            call += std::to_string(static_cast<double>(x)) + ",";
        EXPECT_TRUE(CloseTo(CallFunc(row.name, row.args, row.flows), row.expected, row.relative))
            << call << ")";
    }
}

// References: the worked examples of common spreadsheet documentation, the usual
// textbook mortgage, and mpmath (30 digits) over the closed annuity formulas.
TEST(FinanceTest, TimeValueOfMoney) {
    ExpectValues({
        // 100000 over 360 months at 6 % a year pays 599.55 a month.
        {"PMT", {0.005L, 360, 100000, 0, 0}, {}, -599.550525152752394591461243684L, 1e-17L},
        {"PMT", {0.1L, 2, 1000, 0, 0}, {}, -576.190476190476190476190476190L, 1e-18L},
        {"IPMT", {0.1L, 1, 2, 1000, 0, 0}, {}, -100, 1e-18L},
        {"PPMT", {0.1L, 2, 2, 1000, 0, 0}, {}, -523.809523809523809523809523810L, 1e-18L},
        {"IPMT", {0.005L, 1, 360, 100000, 0, 0}, {}, -500, 1e-17L},
        {"IPMT", {0.01L, 5, 12, 5000, 100, 0}, {}, -33.6719572796853053119253095748L, 1e-17L},
        {"FV", {0, 10, -100, 0, 0}, {}, 1000, 0},
        {"FV", {0.005L, 10, -200, -500, 1}, {}, 2581.40337406017915372500683598L, 1e-17L},
        {"PV", {0.08L / 12, 240, 500, 0, 0}, {}, -59777.1458511880218168080388440L, 1e-17L},
        {"NPer", {0.01L, -100, -1000, 10000, 1}, {}, 59.6738656742946255875035904300L, 1e-17L},
        {"PV", {0, 12, -100, -200, 0}, {}, 1400, 0},
        {"NPer", {0, -100, 1000, 0, 0}, {}, 10, 0},
    });
}

// The first payment of an annuity due carries no interest: IPMT 0 and PPMT the
// whole payment. By the balance: IPMT(per) = r * FV(per - 2, PMT, PV, due) - PMT.
TEST(FinanceTest, AnnuityDuePaymentsSplitIntoInterestAndPrincipal) {
    ExpectValues({
        {"IPMT", {0.1L, 1, 2, 1000, 0, 1}, {}, 0, 0},
        {"PPMT", {0.1L, 1, 2, 1000, 0, 1}, {}, -523.809523809523809523809523810L, 1e-18L},
        {"PMT", {0.1L, 2, 1000, 0, 1}, {}, -523.809523809523809523809523810L, 1e-18L},
        {"IPMT", {0.1L, 2, 2, 1000, 0, 1}, {}, -47.6190476190476190476190476190L, 1e-18L},
        {"PPMT", {0.1L, 2, 2, 1000, 0, 1}, {}, -476.190476190476190476190476190L, 1e-18L},
        {"IPMT", {0.01L, 5, 12, 5000, 100, 1}, {}, -33.3385715640448567444805045295L, 1e-17L},
    });
}

// Small rates go through ln(1 + r) and expm1, which keep every digit (mpmath).
TEST(FinanceTest, SmallRatesKeepTheirDigits) {
    ExpectValues({
        {"NPer", {5e-5L, -100, 250000, -100, 0}, {}, 2669.69456762914777863072422775L, 1e-16L},
        {"PV", {3e-5L, 1000, -100, 0, 0}, {}, 98513.4325321242861179714676924L, 1e-17L},
        {"FV", {3e-5L, 1000, -100, 0, 1}, {}, 101516.612934875128832499981611L, 1e-17L},
        {"PMT", {1e-6L, 120, 10000, 0, 0}, {}, -83.3383750999930055350611448952L, 1e-17L},
    });
}

TEST(FinanceTest, HugeCompoundFactorsTakeTheirLimits) {
    ExpectValues({
        {"PV", {0.1L, 200000, -100, 0, 0}, {}, 1000, 1e-18L},
        {"PV", {0.1L, 200000, -100, 0, 1}, {}, 1100, 1e-18L},
        {"PMT", {0.1L, 200000, 1000, 0, 0}, {}, -100, 1e-18L},
        // 2^32 + 1 periods stay that many: no 32-bit wrap to a single period.
        {"PMT", {0.01L, 4294967297.0L, 1000, 0, 0}, {}, -10, 1e-18L},
    });
    EXPECT_EQ(ErrorOf([] { CallFunc("FV", {0.1L, 200000, -100, 0, 0}); }), "FutureValue");
    EXPECT_EQ(ErrorOf([] { CallFunc("FV", {0.1L, 400, -100, 0, 0}); }), "FutureValue");
}

TEST(FinanceTest, RateSolvesByNewtonsMethod) {
    ExpectValues({
        {"Rate", {10, -100, 1000, 0, 0}, {}, 0, 0},  // the flows add up to nothing
        {"Rate", {10, 100, -1000, 0, 1}, {}, 0, 0},
        {"Rate", {48, -200, 8000, 0, 0}, {}, 0.0077014724882020438159691301L, 1e-15L},
        {"Rate", {360, -599.55L, 100000, 0, 0}, {}, 0.00499999319311921703932397711L, 1e-15L},
        {"Rate", {360, -599.55L, 100000, 0, 1}, {}, 0.00503911000058320768576895105L, 1e-15L},
        {"Rate", {48, -250, 10000, 0, 1}, {}, 0.00805298192390603424667471646L, 1e-15L},
        // A rate of 1.8e-7 is found to full precision, not lost in cancellation.
        {"Rate", {10, -100.0001L, 1000, 0, 0}, {}, 1.81818132231436513876948313041e-7L, 1e-12L},
    });
}

TEST(FinanceTest, CashFlows) {
    ExpectValues({
        {"IRR", {0.1L}, {-100, 110}, 0.1L, 1e-17L},
        {"IRR", {5}, {-100, 110}, 0.1L, 1e-17L},  // payback: the guess is not used
        {"IRR",
         {0.1L},
         {-70000, 12000, 15000, 18000, 21000, 26000},
         0.0866309480365316142930942025L,
         1e-15L},
        {"IRR", {0.1L}, {-1000, 300, 400, 500}, 0.0889633946933499353177656797L, 1e-15L},
        {"IRR", {0.1L}, {100, 200}, -1, 0},  // no outflow
        {"NPV", {0.1L, 1}, {-100, 110}, 0, 1e-18L},
        {"NPV", {0.1L, 1}, {0, 121}, 110, 1e-18L},
        {"NPV", {0.1L, 0}, {0, 121}, 100, 1e-18L},
        {"NPV", {0.1L, 0}, {-10000, 3000, 4200, 6800}, 1188.44341233522300389317670L, 1e-17L},
    });
}

TEST(FinanceTest, DepreciationAndRates) {
    ExpectValues({
        {"SYD", {30000, 7500, 10, 1}, {}, 4090.90909090909090909090909L, 1e-18L},
        {"SYD", {30000, 7500, 10, 10}, {}, 409.090909090909090909090909L, 1e-18L},
        {"SYD", {30000, 7500, 10, 11}, {}, 0, 0},
        {"SYD", {7500, 7500, 10, 1}, {}, 0, 0},
        {"SLN", {30000, 7500, 10}, {}, 2250, 0},
        {"DDB", {2400, 300, 10, 1, 2}, {}, 480, 0},
        {"DDB", {2400, 300, 10, 10, 2}, {}, 22.1225472L, 1e-17L},
        {"DDB", {2400, 300, 10, 0, 2}, {}, 0, 0},
        {"DDB", {1000, 100, 2, 1, 2}, {}, 900, 0},
        {"DDB", {1000, 100, 2, 2, 2}, {}, 0, 0},
        {"EFR", {0.12L, 12}, {}, 0.12682503013196972066120100L, 1e-17L},
        {"EFR", {0.0525L, 4}, {}, 0.0535426673707580566406250L, 1e-17L},
        {"APR", {0.12682503013196972066120100L, 12}, {}, 0.12L, 1e-17L},
        {"APR", {0.053543L, 4}, {}, 0.0525003198683558643064869726L, 1e-17L},
    });
}

TEST(FinanceTest, FailuresNameTheRoutine) {
    const struct {
        const char* name;
        TExtendedArray args;
        TExtendedArray flows;
        const char* message;
    } rows[] = {
        {"FV", {-1, 10, -100, 0, 0}, {}, "FutureValue"},
        {"PV", {-2, 10, -100, 0, 0}, {}, "PresentValue"},
        {"PMT", {-1, 10, 1000, 0, 0}, {}, "Payment"},
        {"IPMT", {0.1L, 0, 2, 1000, 0, 0}, {}, "InterestPayment"},
        {"IPMT", {0.1L, 3, 2, 1000, 0, 0}, {}, "InterestPayment"},
        {"PPMT", {0.1L, 0, 2, 1000, 0, 1}, {}, "PeriodPayment"},
        {"PPMT", {-1, 1, 2, 1000, 0, 0}, {}, "PeriodPayment"},
        {"NPer", {0, 0, 100, 0, 0}, {}, "NumberOfPeriods"},
        {"NPer", {0.1L, -100, 0, -1000, 0}, {}, "NumberOfPeriods"},
        {"NPer", {-1, -100, 1000, 0, 0}, {}, "NumberOfPeriods"},
        {"Rate", {0, -100, 1000, 0, 0}, {}, "InterestRate"},
        {"Rate", {10, 0, 0, 100, 0}, {}, "InterestRate"},
        {"IRR", {0.1L}, {0, 0}, "InternalRateOfReturn"},
        {"IRR", {0.1L}, {}, "InternalRateOfReturn"},
        {"IRR", {-1}, {100, -100}, "InternalRateOfReturn"},
        {"NPV", {-1, 0}, {-100, 110}, "NetPresentValue"},
        {"SLN", {30000, 7500, 0}, {}, "SLNDepreciation"},
        {"EFR", {0.1L, 0}, {}, testing::kZeroDivide},
        {"EFR", {0, 0}, {}, testing::kInvalid},
        {"APR", {0.1L, 0}, {}, testing::kZeroDivide},
        {"FV", {0.1L, 1e19L, -100, 0, 0}, {}, testing::kInvalid},  // beyond 64 bits
        {"PMT", {0.1L, 0, 1000, 0, 0}, {}, testing::kZeroDivide},
        {"IRR", {0.1L}, {-100, 1e4000L}, testing::kOverflow},  // not a double
        {"FV", {0.1L, 10}, {}, "Not enough arguments for the function"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ErrorOf([&] { CallFunc(row.name, row.args, row.flows); }), row.message)
            << row.name;
    }
}

}  // namespace
}  // namespace quillix
