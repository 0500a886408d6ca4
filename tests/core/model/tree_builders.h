// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small builders for operation trees in tests: typed numbers, dates and named
// values (nodes over operands come from support/node_builder.h); and the
// fixture that fixes the value and date formats.

#include <gtest/gtest.h>

#include "common/date_format.h"
#include "model/calc_value.h"
#include "model/value_format.h"
#include "support/node_builder.h"

namespace quillix::test {

inline ValueRef Num(long double x) {
    return TCalcValue::New(x);
}

inline ValueRef Date(int year, int month, int day) {
    return TCalcValue::NewDate(static_cast<double>(DayNumberFromCivil(year, month, day)));
}

// A named value, as a variable set would hold it.
inline ValueRef Var(const char* name, ValueRef value) {
    value->SetName(name);
    return value;
}

// Every test starts from the default format and a fixed ISO date format.
class ModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ValueFormatSettings() = TValueFormatRecord{};
        SetShortDateFormatter(FormatIsoDate);
    }
    void TearDown() override {
        ValueFormatSettings() = TValueFormatRecord{};
        SetShortDateFormatter(nullptr);
    }
};

}  // namespace quillix::test
