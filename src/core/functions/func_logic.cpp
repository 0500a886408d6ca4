// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/func_logic.h"

#include "functions/numeric_rules.h"

namespace quillix::funcs {

long double Not(long double X) {
    return IsTrue(X) ? 0 : 1;
}

namespace multi {

long double If(const TExtendedArray& Args, const TExtendedArray&, const TExtendedArray&) {
    RequireArgs(Args, 3);
    return IsTrue(Args[0]) ? Args[1] : Args[2];
}

long double Case(const TExtendedArray& Args, const TExtendedArray& Array1,
                 const TExtendedArray& Array2) {
    RequireArgs(Args, 1);
    const std::vector<double> tests = ToDoubles(Array1);
    const std::vector<double> values = ToDoubles(Array2);
    for (std::size_t i = 0; i < tests.size(); ++i) {
        // A true test without a value at its position gives 0.
        if (IsTrue(tests[i])) return i < values.size() ? values[i] : 0;
    }
    return Args[0];
}

}  // namespace multi

}  // namespace quillix::funcs
