// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "common/calc_error.h"
#include "model/operate_binary.h"
#include "model/operate_ref.h"
#include "tree_builders.h"

namespace quillix::test {
namespace {

using Operators = ModelTest;

std::string Shown(const ValueRef& value) {
    return value->FormatValue(kPlainStyle);
}

TEST_F(Operators, ArithmeticResultsAndErrorMessages) {
    struct Row {
        ValueRef value;
        const char* shown;
    };
    const Row rows[] = {
        {Make<TCalcOperateDIV>(Num(1), Num(0)), kMsgZeroDivide},
        {Make<TCalcOperateDIV>(Num(0), Num(0)), kMsgInvalidOperation},
        {Make<TCalcOperateMod>(Num(5), Num(0)), kMsgIntegerDivideByZero},
        {Make<TCalcOperateMod>(Num(5), Num(0.5)), kMsgIntegerDivideByZero},
        {Make<TCalcOperatePower>(Num(-8), Make<TCalcOperateDIV>(Num(1), Num(3))),
         kMsgInvalidOperation},
        {Make<TCalcOperatePower>(Num(2), Num(-1)), "0.5"},
        {Make<TCalcOperatePower>(Num(0), Num(0)), "1"},
        {Make<TCalcOperatePower>(Num(0), Num(-2)), kMsgZeroDivide},
        {Make<TCalcOperatePower>(Num(0), Num(-0.5)), kMsgZeroDivide},
        {Make<TCalcOperatePower>(Num(0), Num(3)), "0"},
        {Make<TCalcOperatePower>(Num(-2), Num(3)), "-8"},
        {Make<TCalcOperatePower>(Num(4), Num(0.5)), "2"},
        {Make<TCalcOperatePower>(Num(10), Num(5000)), kMsgOverflow},
        {Make<TCalcOperatePower>(Num(10), Num(-5000)), "0"},
        {Make<TCalcOperatePower>(Num(1e300L), Num(1e10L)), kMsgOverflow},
        {Make<TCalcOperateMultis>(Num(1e4000L), Num(1e4000L)), kMsgOverflow},
        {Make<TCalcOperatePercent>(Num(200), Num(10)), "20"},
        {Make<TCalcOperateSign>(Num(4)), "-4"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Shown(row.value), row.shown);
}

TEST_F(Operators, IntegerRemainderAndBitwiseOperators) {
    struct Row {
        long double a, b;
        long double mod, band, bor, bxor;
    };
    const Row rows[] = {
        {7, 3, 1, 3, 7, 4},     {-7, 3, -1, 1, -5, -6}, {7, -3, 1, 5, -1, -6},
        {7.9, 2.5, 1, 2, 7, 5}, {-1, 5, -1, 5, -1, -6}, {6, 3, 0, 2, 7, 5},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Make<TCalcOperateMod>(Num(row.a), Num(row.b))->Number(), row.mod);
        EXPECT_EQ(Make<TCalcOperateAnd>(Num(row.a), Num(row.b))->Number(), row.band);
        EXPECT_EQ(Make<TCalcOperateOr>(Num(row.a), Num(row.b))->Number(), row.bor);
        EXPECT_EQ(Make<TCalcOperateXor>(Num(row.a), Num(row.b))->Number(), row.bxor);
    }
    // Operands beyond 64 bits, and the one quotient that overflows.
    EXPECT_EQ(Shown(Make<TCalcOperateMod>(Num(1e19L), Num(3))), kMsgInvalidOperation);
    EXPECT_EQ(Shown(Make<TCalcOperateAnd>(Num(1), Num(-1e19L))), kMsgInvalidOperation);
    EXPECT_EQ(Shown(Make<TCalcOperateOr>(Num(std::nanl("")), Num(1))), kMsgInvalidOperation);
    EXPECT_EQ(Make<TCalcOperateMod>(Num(-9223372036854775808.0L), Num(-1))->Number(), 0);
}

TEST_F(Operators, ComparisonsAreTolerant) {
    const ValueRef sum = Make<TCalcOperatePlus>(Num(0.1L), Num(0.2L));
    EXPECT_EQ(Make<TCalcOperateSEQ>(sum, Num(0.3L))->Number(), 1);
    struct Row {
        long double a, b;
        int eq, le, lt, gt, ge, ne;
    };
    const Row rows[] = {
        {1, 1.000001L, 0, 1, 1, 0, 0, 1},        {1, 1, 1, 1, 0, 0, 1, 0}, {2, 1, 0, 0, 0, 1, 1, 1},
        {1e20L, 1e20L + 1000, 1, 1, 0, 0, 1, 0},  // within 1E-16 of the smaller
        {0, 1e-17L, 1, 1, 0, 0, 1, 0},            // within the absolute 1E-16
        {0, 1e-15L, 0, 1, 1, 0, 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << " vs " << row.b);
        EXPECT_EQ(Make<TCalcOperateSEQ>(Num(row.a), Num(row.b))->Number(), row.eq);
        EXPECT_EQ(Make<TCalcOperateLE>(Num(row.a), Num(row.b))->Number(), row.le);
        EXPECT_EQ(Make<TCalcOperateLT>(Num(row.a), Num(row.b))->Number(), row.lt);
        EXPECT_EQ(Make<TCalcOperateGT>(Num(row.a), Num(row.b))->Number(), row.gt);
        EXPECT_EQ(Make<TCalcOperateGE>(Num(row.a), Num(row.b))->Number(), row.ge);
        EXPECT_EQ(Make<TCalcOperateNE>(Num(row.a), Num(row.b))->Number(), row.ne);
    }
    EXPECT_EQ(Make<TCalcOperateLT>(Date(2024, 1, 1), Date(2024, 1, 2))->CVType(), cvNumber);
}

TEST_F(Operators, DateArithmeticKinds) {
    const ValueRef day = Date(2024, 2, 28);
    const ValueRef later = Make<TCalcOperatePlus>(day, Num(1));
    EXPECT_EQ(later->CVType(), cvDate);
    EXPECT_EQ(Shown(later), "[2024-02-29]");
    EXPECT_EQ(Make<TCalcOperatePlus>(Num(1), day)->CVType(), cvNumber);
    EXPECT_EQ(Make<TCalcOperateMinus>(day, Num(28))->CVType(), cvDate);
    const ValueRef between = Make<TCalcOperateMinus>(Date(2024, 3, 1), day);
    EXPECT_EQ(between->CVType(), cvNumber);
    EXPECT_EQ(between->Number(), 2);
    EXPECT_EQ(Make<TCalcOperatePlus>(day, day)->CVType(), cvNumber);
    EXPECT_EQ(Make<TCalcOperateMultis>(day, Num(1))->CVType(), cvNumber);
}

TEST_F(Operators, ErrorsTravelUpAndClearWhenTheOperandRecovers) {
    ValueRef a = Var("A", Make<TCalcOperateDIV>(Num(1), Num(0)));
    ValueRef sum = Make<TCalcOperatePlus>(a->MakeReference(), Num(1));
    ValueRef product = Make<TCalcOperateMultis>(sum, Num(2));
    EXPECT_EQ(Shown(product), kMsgZeroDivide);
    a->TakeOver(Num(4), true);
    EXPECT_EQ(product->CVType(), cvNumber);
    EXPECT_EQ(product->Number(), 10);
}

TEST_F(Operators, SignAndReferenceReadTheUnroundedNumber) {
    ValueFormatSettings().ValueFormat = kFixedFormat;
    ValueFormatSettings().ValueDigits = 2;
    ValueRef typed = Num(2.346L);
    EXPECT_EQ(Make<TCalcOperateSign>(typed)->Number(), -2.346L);
    EXPECT_EQ(typed->MakeReference()->Number(), 2.346L);
    EXPECT_EQ(Make<TCalcOperatePlus>(typed, Num(0))->Number(), static_cast<long double>(2.35));
}

}  // namespace
}  // namespace quillix::test
