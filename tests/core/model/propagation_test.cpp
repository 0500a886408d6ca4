// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "model/operate_binary.h"
#include "model/operate_ref.h"
#include "model/value_traversal.h"
#include "tree_builders.h"

namespace quillix::test {
namespace {

using Propagation = ModelTest;

// values[i] = values[i-1] + values[i-2]: a lattice with 2^N paths from the head.
std::vector<ValueRef> Lattice(int count) {
    std::vector<ValueRef> values{Num(1), Num(1)};
    for (int i = 2; i < count; ++i) {
        values.push_back(Make<TCalcOperatePlus>(values[i - 1], values[i - 2]));
    }
    return values;
}

TEST_F(Propagation, EachDependantOfALatticeIsRecalculatedOnce) {
    const int count = 80;  // depth-first propagation would never finish
    std::vector<ValueRef> values = Lattice(count);
    const std::uint64_t before = TCalcValue::EvaluationCount();
    values[0]->TakeOver(Num(2), true);
    EXPECT_EQ(TCalcValue::EvaluationCount() - before, static_cast<std::uint64_t>(count - 2));
    // The same numbers as a fresh evaluation: F(i) with the head 2.
    long double previous = 1, current = 2 + 1;  // values[1], values[2]
    for (int i = 3; i < 30; ++i) {
        const long double next = current + previous;
        previous = current;
        current = next;
        ASSERT_EQ(values[i]->Number(), current) << i;
    }
}

TEST_F(Propagation, BottomUpReevaluationVisitsSharedValuesOnce) {
    const int count = 80;
    std::vector<ValueRef> values = Lattice(count);
    const std::uint64_t before = TCalcValue::EvaluationCount();
    values.back()->RecalculateTree();
    EXPECT_EQ(TCalcValue::EvaluationCount() - before, static_cast<std::uint64_t>(count - 2));
}

TEST_F(Propagation, DependantsSeeOperandsBeforeTheirUsers) {
    // d uses c and a; c uses b; b uses a. Changing a must leave d = a + c
    // computed from the new c.
    ValueRef a = Var("A", Num(1));
    ValueRef b = Make<TCalcOperateMultis>(a->MakeReference(), Num(2));
    ValueRef c = Make<TCalcOperatePlus>(b, Num(1));
    ValueRef d = Make<TCalcOperatePlus>(a->MakeReference(), c);
    a->TakeOver(Num(10), true);
    EXPECT_EQ(d->Number(), 10 + 21);
}

TEST_F(Propagation, ErrorsPropagateWithTheSameText) {
    ValueRef a = Var("A", Num(1));
    ValueRef b = Make<TCalcOperateDIV>(Num(1), a->MakeReference());
    ValueRef c = Make<TCalcOperatePlus>(b, Num(1));
    a->TakeOver(Num(0), true);
    EXPECT_EQ(c->FormatValue(kPlainStyle), "Floating point division by zero");
    a->TakeOver(Num(4), true);
    EXPECT_EQ(c->Number(), 1.25L);
}

TEST_F(Propagation, ACycleEndsInErrorValues) {
    // Only misuse builds a cycle: give a value a tree that uses its own user.
    ValueRef a = Var("A", Num(1));
    ValueRef b = Make<TCalcOperatePlus>(a->MakeReference(), Num(1));
    ValueRef c = Make<TCalcOperateMultis>(b, Num(2));
    a->TakeOver(Make<TCalcOperatePlus>(c, Num(0)), true);
    EXPECT_EQ(a->CVType(), cvError);
    EXPECT_EQ(a->ErrorText(), kMsgCircularReference);
    EXPECT_EQ(c->ErrorText(), kMsgCircularReference);
    a->RecalculateTree();
    EXPECT_EQ(b->ErrorText(), kMsgCircularReference);
    // Break the cycle so that every value can go.
    a->DetachOperate();
}

TEST_F(Propagation, AMillionLevelTreeNeverExhaustsTheStack) {
    const int depth = 1000000;
    ValueRef one = Var("One", Num(1));
    ValueRef sum = Num(1);
    for (int i = 0; i < depth; ++i) {
        sum = Make<TCalcOperatePlus>(sum, i % 2 ? one->MakeReference() : Num(1));
    }
    EXPECT_EQ(sum->Number(), depth + 1);

    const std::uint64_t before = TCalcValue::EvaluationCount();
    sum->RecalculateTree();
    EXPECT_EQ(sum->Number(), depth + 1);
    EXPECT_GE(TCalcValue::EvaluationCount() - before, static_cast<std::uint64_t>(depth));

    one->TakeOver(Num(2), true);
    EXPECT_EQ(sum->Number(), depth + 1 + depth / 2);

    const std::string formula = sum->GetFormulaText();
    EXPECT_EQ(formula.size(), static_cast<std::size_t>(1 + depth * 2 + (depth / 2) * 2));
    EXPECT_EQ(formula.substr(0, 8), "1+1+One+");

    ValueRef clone = sum->Clone();
    EXPECT_EQ(clone->Number(), sum->Number());
    sum.reset();
    EXPECT_EQ(clone->Number(), depth + 1 + depth / 2);
    clone.reset();  // the whole tree goes without recursion
    EXPECT_EQ(one->ReferrerCount(), 0);
}

}  // namespace
}  // namespace quillix::test
