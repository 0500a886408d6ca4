// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan program the what-if tests and benchmarks explore: 200,000 at 6 %
// over 30 years, its monthly payment and the total paid, as the variables'
// names and formulas in the order they are added.

#include <array>

namespace quillix::test {

struct TNamedFormula {
    const char* Name;
    const char* Formula;
};

inline constexpr std::array<TNamedFormula, 6> kLoanProgram = {{
    {"Principal", "200000"},
    {"Rate", "0.06"},
    {"Years", "30"},
    {"Months", "Years*12"},
    {"Payment", "PMT(Rate/12,Months,Principal,0)"},
    {"Total", "Payment*Months"},
}};

}  // namespace quillix::test
