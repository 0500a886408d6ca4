// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/calc_value_warper.h"
#include "model/operate_binary.h"
#include "model/operate_ref.h"
#include "tree_builders.h"

namespace quillix::test {
namespace {

using Values = ModelTest;

TEST_F(Values, FixedFormatRoundsEveryOperand) {
    ValueFormatSettings().ValueFormat = kFixedFormat;
    ValueFormatSettings().ValueDigits = 2;
    EXPECT_EQ(Make<TCalcOperateMultis>(Num(2.346L), Num(1000))->GetNumber(), 2350);
    EXPECT_EQ(Num(2.344L)->GetNumber(), static_cast<long double>(2.34));
    EXPECT_EQ(Num(2.345L)->GetNumber(), static_cast<long double>(2.35));  // 234.5 is not exact
    EXPECT_EQ(Num(0.125L)->GetNumber(), static_cast<long double>(0.12));  // halves to even
    EXPECT_EQ(Num(2.346L)->FormatValue(kPlainStyle), "2.35");
    EXPECT_EQ(Num(-1234567.891L)->FormatValue(kGroupedStyle), "-1,234,567.89");
    ValueFormatSettings().ValueFormat = kGeneralFormat;
    EXPECT_EQ(Make<TCalcOperateMultis>(Num(2.346L), Num(1000))->GetNumber(), 2346);
}

// The fixed format rounds what calculations read, never what a copy stores:
// a typed 0.005 copied into a formula while two decimals are shown must still
// read 0.005 once the general format is back.
TEST_F(Values, CopiesKeepEveryDigitInFixedFormat) {
    ValueFormatSettings().ValueFormat = kFixedFormat;
    ValueFormatSettings().ValueDigits = 2;
    const ValueRef typed = Num(0.005L);
    const ValueRef clone = typed->Clone();
    const ValueRef copy = typed->CopyNumber();
    ValueRef target = Var("x", Num(1));
    target->TakeOver(Num(2.346L), false);
    const ValueRef operand = Num(0.005L);
    const ValueRef formula = Make<TCalcOperatePlus>(operand, Num(1));
    const ValueRef formulaClone = formula->Clone();
    EXPECT_EQ(clone->GetNumber(), 0) << "calculations still read the shown decimals";
    EXPECT_EQ(target->FormatValue(kPlainStyle), "2.35");
    ValueFormatSettings().ValueFormat = kGeneralFormat;
    EXPECT_EQ(clone->Number(), 0.005L);
    EXPECT_EQ(copy->Number(), 0.005L);
    EXPECT_EQ(target->Number(), 2.346L);
    EXPECT_EQ(formulaClone->Number(), formula->Number()) << "not yet evaluated again";
}

// Fixed format narrows to double to round; a number beyond that range (the
// extended type reaches 1E4932) must not turn into an infinity, neither on
// display nor as an operand.
TEST_F(Values, FixedFormatBeyondTheDoubleRangeShowsTheGeneralFormat) {
    ValueFormatSettings().ValueFormat = kFixedFormat;
    ValueFormatSettings().ValueDigits = 2;
    struct Row {
        long double number;
        const char* text;
    };
    const Row rows[] = {
        {1e4000L, "1E4000"},
        {-1e4000L, "-1E4000"},
        {1.8e308L, "1.8E308"},  // just beyond the double range
        {std::numeric_limits<double>::max(), "1.79769313486231571E308"},
        {0x1p1023L, "8.98846567431157954E307"},  // inside, but x / 0.01 overflows
        {-0x1p1000L, "-1.07150860718626732E301"},
        {1234.5L, "1,234.50"},
    };
    for (const Row& row : rows) {
        const ValueRef value = Num(row.number);
        EXPECT_EQ(value->FormatValue(kGroupedStyle), row.text);
        EXPECT_TRUE(std::isfinite(value->GetNumber())) << row.text;
    }
    EXPECT_EQ(Num(1e4000L)->GetNumber(), 1e4000L);
    EXPECT_EQ(Make<TCalcOperateMultis>(Num(1e4000L), Num(2))->FormatValue(kPlainStyle), "2E4000");
    ValueFormatSettings().ValueDigits = 18;
    EXPECT_EQ(Num(-1e4000L)->FormatValue(kPlainStyle), "-1E4000");
    EXPECT_EQ(Num(0x1p1000L)->FormatValue(kPlainStyle), "1.07150860718626732E301");
}

TEST_F(Values, FormatValueByKindAndStyle) {
    EXPECT_EQ(Num(-12345678.9L)->FormatValue(kGroupedStyle), "-12,345,678.9");
    EXPECT_EQ(Num(0.001234L)->FormatValue(kGroupedStyle), "0.001234");
    EXPECT_EQ(Num(1234567)->FormatValue(kPlainStyle), "1234567");
    EXPECT_EQ(Num(1.5e20L)->FormatValue(kGroupedStyle), "1.5E20");
    EXPECT_EQ(Num(1e-5L)->FormatValue(kPlainStyle), "1E-05");
    EXPECT_EQ(Date(1899, 12, 30)->FormatValue(kGroupedStyle), "[1899-12-30]");
    EXPECT_EQ(TCalcValue::NewDate(2.9)->Number(), 2);  // dates are whole days
    ValueRef error = Make<TCalcOperateDIV>(Num(1), Num(0));
    EXPECT_EQ(error->FormatValue(kGroupedStyle), "Floating point division by zero");
    // A date beyond the calendar still shows something readable.
    EXPECT_EQ(TCalcValue::New(1e7L, cvDate)->FormatValue(kPlainStyle), "[10000000]");
}

TEST_F(Values, ErrorKeepsThePreviousNumber) {
    ValueRef divisor = Var("D", Num(2));
    ValueRef quotient = Make<TCalcOperateDIV>(Num(1), divisor->MakeReference());
    EXPECT_EQ(quotient->Number(), 0.5L);
    divisor->TakeOver(Num(0), true);
    EXPECT_EQ(quotient->CVType(), cvError);
    EXPECT_EQ(quotient->Number(), 0.5L);
}

TEST_F(Values, IsEmptyOnlyForAnUntouchedValue) {
    EXPECT_TRUE(TCalcValue::New()->IsEmpty());
    EXPECT_FALSE(Num(1)->IsEmpty());
    EXPECT_FALSE(Var("A", TCalcValue::New())->IsEmpty());
    ValueRef operand = TCalcValue::New();
    ValueRef user = Make<TCalcOperateSign>(operand);
    EXPECT_FALSE(operand->IsEmpty());  // it has a referrer
    EXPECT_FALSE(user->IsEmpty());     // it has a tree
}

TEST_F(Values, CloneCopyNumberAndReference) {
    ValueRef a = Var("A", Num(3));
    ValueRef product = Make<TCalcOperateMultis>(Num(2), a->MakeReference());
    ValueRef clone = product->Clone();
    EXPECT_EQ(clone->GetFormulaText(), "2*A");
    EXPECT_FALSE(clone->IsNamed());
    // The clone shares the operand values: a change of A reaches it as well.
    a->TakeOver(Num(5), true);
    EXPECT_EQ(product->Number(), 10);
    EXPECT_EQ(clone->Number(), 10);
    ValueRef copy = product->CopyNumber();
    EXPECT_EQ(copy->Operate(), nullptr);
    EXPECT_EQ(copy->Number(), 10);
    ValueRef reference = a->MakeReference();
    EXPECT_EQ(reference->GetFormulaText(), "A");
    EXPECT_EQ(reference->Number(), 5);
}

TEST_F(Values, TakeOverKeepsNameAndReferrersAndPropagates) {
    ValueRef a = Var("A", Num(1));
    ValueRef b = Var("B", Make<TCalcOperatePlus>(a->MakeReference(), Num(1)));
    ValueRef c = Make<TCalcOperateMultis>(b->MakeReference(), Num(10));
    const int referrersBefore = a->ReferrerCount();
    a->TakeOver(Make<TCalcOperatePlus>(Num(2), Num(3)), true);
    EXPECT_EQ(a->Name(), "A");
    EXPECT_TRUE(a->IsNamed());
    EXPECT_EQ(a->ReferrerCount(), referrersBefore);
    EXPECT_EQ(a->GetFormulaText(), "2+3");
    EXPECT_EQ(b->Number(), 6);
    EXPECT_EQ(c->Number(), 60);
    a->TakeOver(Num(7), false);
    EXPECT_EQ(c->Number(), 60);  // without notification nothing follows
}

TEST_F(Values, ClearNameTurnsReferencesIntoCopiesOfTheFormula) {
    ValueRef a = Var("A", Make<TCalcOperateMultis>(Num(2), Num(3)));
    ValueRef first = Make<TCalcOperatePlus>(a->MakeReference(), Num(1));
    ValueRef second = Make<TCalcOperateMinus>(Num(10), a->MakeReference());
    EXPECT_EQ(first->GetFormulaText(), "A+1");
    a->ClearName();
    EXPECT_EQ(first->GetFormulaText(), "2*3+1");
    EXPECT_EQ(second->GetFormulaText(), "10-2*3");
    EXPECT_EQ(first->Number(), 7);
    EXPECT_EQ(second->Number(), 4);
    EXPECT_EQ(a->ReferrerCount(), 0);
    // A variable without a tree leaves its number behind.
    ValueRef b = Var("B", Num(4));
    ValueRef user = Make<TCalcOperatePlus>(b->MakeReference(), Num(1));
    b->ClearName();
    EXPECT_EQ(user->GetFormulaText(), "4+1");
    EXPECT_EQ(user->Number(), 5);
}

TEST_F(Values, OperandsLiveWhileATreeUsesThem) {
    ValueRef root;
    TCalcValue* leaf = nullptr;
    {
        ValueRef operand = Num(4);
        leaf = operand.get();
        root = Make<TCalcOperateSign>(operand);
    }
    // The only holder left is the tree; the operand is alive and referred once.
    EXPECT_EQ(root->Operate()->Operand(0), leaf);
    EXPECT_EQ(leaf->ReferrerCount(), 1);
    EXPECT_EQ(root->Number(), -4);
    // A named value outlives the tree that used it as long as its holder does.
    ValueRef named = Var("N", Num(1));
    { ValueRef user = Make<TCalcOperatePlus>(named->MakeReference(), Num(1)); }
    EXPECT_EQ(named->ReferrerCount(), 0);
    EXPECT_EQ(named->Number(), 1);
}

TEST_F(Values, CollectNamesWalksThroughVariables) {
    ValueRef a = Var("A", Num(1));
    ValueRef b = Var("B", Make<TCalcOperatePlus>(a->MakeReference(), Num(2)));
    ValueRef c = Make<TCalcOperateMultis>(b->MakeReference(), a->MakeReference());
    std::vector<std::string> names;
    c->CollectNames(names);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B"}));
    names.clear();
    b->CollectNames(names);
    EXPECT_EQ(std::count(names.begin(), names.end(), "B"), 1);
}

TEST_F(Values, WarperClonesShareTheValue) {
    TCalcValueWarper warper(Var("X", Num(2)));
    warper.Type = wtInput;
    warper.Description = "two";
    std::unique_ptr<TCalcValueWarper> clone = warper.Clone();
    EXPECT_EQ(clone->Value.get(), warper.Value.get());
    EXPECT_EQ(clone->Type, wtInput);
    EXPECT_EQ(clone->Description, "two");
    EXPECT_EQ(clone->GetName(), "X");
}

}  // namespace
}  // namespace quillix::test
