// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/operate_binary.h"
#include "model/operate_ref.h"
#include "tree_builders.h"

namespace quillix::test {
namespace {

using FormulaText = ModelTest;

TEST_F(FormulaText, ParenthesesFollowTheLevels) {
    struct Row {
        ValueRef tree;
        const char* text;
    };
    const Row rows[] = {
        {Make<TCalcOperateMultis>(Make<TCalcOperatePlus>(Num(1), Num(2)), Num(3)), "(1+2)*3"},
        {Make<TCalcOperatePlus>(Num(1), Make<TCalcOperateMultis>(Num(2), Num(3))), "1+2*3"},
        {Make<TCalcOperateMinus>(Num(8), Make<TCalcOperateMinus>(Num(2), Num(1))), "8-(2-1)"},
        {Make<TCalcOperateDIV>(Num(8), Make<TCalcOperateMultis>(Num(2), Num(2))), "8/(2*2)"},
        {Make<TCalcOperatePower>(Num(2), Make<TCalcOperatePower>(Num(3), Num(2))), "2^3^2"},
        // "^" groups to the right, so a left operand of its level keeps parentheses.
        {Make<TCalcOperatePower>(Make<TCalcOperatePower>(Num(2), Num(3)), Num(2)), "(2^3)^2"},
        {Make<TCalcOperateSign>(Make<TCalcOperatePlus>(Num(1), Num(2))), "-(1+2)"},
        {Make<TCalcOperatePercent>(Num(200), Num(10)), "200*10%"},
        {Make<TCalcOperateAnd>(Make<TCalcOperateLT>(Num(1), Num(2)),
                               Make<TCalcOperateLT>(Num(3), Num(4))),
         "(1<2) And (3<4)"},
        {Make<TCalcOperateSign>(Num(-5)), "--5"},
        {Make<TCalcOperateMod>(Num(7), Make<TCalcOperateMod>(Num(5), Num(3))), "7 Mod (5 Mod 3)"},
        {Make<TCalcOperatePercent>(Num(200), Make<TCalcOperatePower>(Num(2), Num(3))),
         "200*(2^3)%"},
        {Make<TCalcOperatePlus>(Num(1), Make<TCalcOperatePlus>(Num(2), Num(3))), "1+2+3"},
        {Make<TCalcOperateMinus>(Make<TCalcOperateMinus>(Num(8), Num(2)), Num(1)), "8-2-1"},
        {Make<TCalcOperateSEQ>(Num(1), Make<TCalcOperateNE>(Num(2), Num(3))), "1==(2<>3)"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.tree->GetFormulaText(), row.text);
}

TEST_F(FormulaText, NamedOperandsShowTheirNamesButKeepTheirLevel) {
    ValueRef a = Var("A", Make<TCalcOperatePlus>(Num(1), Num(2)));
    ValueRef product = Make<TCalcOperateMultis>(a->MakeReference(), Num(3));
    EXPECT_EQ(product->GetFormulaText(), "A*3");
    // A named operand with a tree is judged by its tree's level.
    ValueRef direct = Make<TCalcOperateMultis>(a, Num(3));
    EXPECT_EQ(direct->GetFormulaText(), "(A)*3");
    EXPECT_EQ(a->GetRefText(), "A");
    EXPECT_EQ(a->GetFormulaText(), "1+2");
}

TEST_F(FormulaText, AReferenceToAnUnnamedValueTakesItsFormulasLevel) {
    ValueRef sum = Make<TCalcOperatePlus>(Num(1), Num(2));
    EXPECT_EQ(Make<TCalcOperateMultis>(sum->MakeReference(), Num(3))->GetFormulaText(), "(1+2)*3");
    EXPECT_EQ(Make<TCalcOperateSign>(sum->MakeReference()->MakeReference())->GetFormulaText(),
              "-(1+2)");
    EXPECT_EQ(Make<TCalcOperateMultis>(Num(3), sum->MakeReference())->GetFormulaText(), "3*(1+2)");
    ValueRef named = Var("S", Make<TCalcOperatePlus>(Num(1), Num(2)));
    EXPECT_EQ(Make<TCalcOperateMultis>(named->MakeReference(), Num(3))->GetFormulaText(), "S*3");
}

TEST_F(FormulaText, ValuesWithoutTreeShowTheirNumber) {
    EXPECT_EQ(Num(2.5)->GetFormulaText(), "2.5");
    EXPECT_EQ(Date(2024, 2, 29)->GetFormulaText(), "[2024-02-29]");
    ValueFormatSettings().ValueFormat = kFixedFormat;
    EXPECT_EQ(Make<TCalcOperatePlus>(Num(1), Num(2))->GetFormulaText(), "1.00+2.00");
}

}  // namespace
}  // namespace quillix::test
