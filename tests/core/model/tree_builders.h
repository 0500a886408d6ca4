#pragma once
// Small builders for operation trees in tests: typed numbers, dates and nodes
// over given operands, each wrapped in a new value.

#include <memory>
#include <utility>

#include "common/date_format.h"
#include "model/calc_operate.h"
#include "model/calc_value.h"
#include "model/value_format.h"

namespace quillix::test {

inline ValueRef Num(long double x) {
    return TCalcValue::New(x);
}

inline ValueRef Date(int year, int month, int day) {
    return TCalcValue::NewDate(static_cast<double>(DayNumberFromCivil(year, month, day)));
}

template <class Node, class... Operands>
ValueRef Make(Operands... operands) {
    auto node = std::make_unique<Node>();
    (node->AddOperand(std::move(operands)), ...);
    ValueRef value = TCalcValue::New();
    value->SetOperate(std::move(node));
    return value;
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
