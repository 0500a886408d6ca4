// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calls catalogue functions by name, as a function node does, and reads the
// message of the error a call raises; shared by the function tests.

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <iomanip>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/calc_error.h"
#include "functions/func_catalogue.h"
#include "support/error_message.h"

namespace quillix::testing {

inline long double CallFunc(std::string_view name, const TExtendedArray& args,
                            const TExtendedArray& array1 = {}, const TExtendedArray& array2 = {}) {
    const TFuncDataItem* item = FindFunc(FindFuncID(name));
    if (item == nullptr) throw std::logic_error("no function " + std::string(name));
    return item->MultiParam ? item->MultiFunc(args, array1, array2) : item->Func(args.at(0));
}

// The message of the ECalcError that `call` raises, or "(no error)".
template <typename Call>
std::string ErrorOf(Call call) {
    return test::MessageOf<ECalcError>(call, "(no error)");
}

// Equal within a relative tolerance (exactly, for a tolerance of 0).
inline ::testing::AssertionResult CloseTo(long double actual, long double expected,
                                          long double relative) {
    if (actual == expected) return ::testing::AssertionSuccess();
    if (std::isnan(actual) || std::isinf(expected)) {
        return ::testing::AssertionFailure() << "got " << actual << ", want " << expected;
    }
    const long double allowed = relative * std::fmax(std::fabs(expected), 1e-300L);
    if (std::fabs(actual - expected) <= allowed) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::setprecision(21) << "got " << actual << ", want "
                                         << expected << " (within " << relative << " relative)";
}

// Rows of one-argument calls: the value expected within a relative tolerance, or
// the message of the fault expected.
struct OneArgumentRow {
    const char* name;
    long double x;
    long double expected;
    long double relative;
};

struct OneArgumentFault {
    const char* name;
    long double x;
    const char* message;
};

inline void ExpectOneArgumentValues(std::initializer_list<OneArgumentRow> rows) {
    for (const OneArgumentRow& row : rows) {
        EXPECT_TRUE(CloseTo(CallFunc(row.name, {row.x}), row.expected, row.relative))
            << row.name << "(" << static_cast<double>(row.x) << ")";
    }
}

inline void ExpectOneArgumentFaults(std::initializer_list<OneArgumentFault> rows) {
    for (const OneArgumentFault& row : rows) {
        EXPECT_EQ(ErrorOf([&] { CallFunc(row.name, {row.x}); }), row.message)
            << row.name << "(" << static_cast<double>(row.x) << ")";
    }
}

inline constexpr const char* kInvalid = "Invalid floating point operation";
inline constexpr const char* kZeroDivide = "Floating point division by zero";
inline constexpr const char* kOverflow = "Floating point overflow";

}  // namespace quillix::testing
