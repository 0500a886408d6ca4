// SPDX-License-Identifier: GPL-3.0-or-later
// Binding call arguments to a function's parameters: the node the function
// parameter dialog and the command line build for a catalogue row or a user
// function.

#include "model/function_call.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "model/calc_value.h"
#include "tree_builders.h"

namespace quillix::test {
namespace {

using List = TCalcOperateMultiFunc::ValueList;

List Nums(std::initializer_list<long double> numbers) {
    List values;
    for (const long double number : numbers)
        values.push_back(Num(number));
    return values;
}

const TFuncDataItem& Row(const char* name) {
    const TFuncDataItem* row = FindFunc(FindFuncID(name));
    EXPECT_NE(row, nullptr) << name;
    return *row;
}

using FunctionCall = ModelTest;

TEST_F(FunctionCall, ArgumentsBecomeOperandsAndListsInParameterOrder) {
    struct Case {
        const char* name;
        TCallArguments args;
        const char* formula;
        long double number;
    };
    const Case cases[] = {
        {"Sqrt", {Num(9)}, "Sqrt(9)", 3},
        {"Hypot", {Num(3), Num(4)}, "Hypot(3,4)", 5},
        {"Today", {}, "Today()", 0},
        // Left-out trailing defaults: PMT's Type 0, EFR's NPer 12.
        {"PMT", {Num(0), Num(10), Num(-1000), Num(0)}, "PMT(0,10,-1000,0,0)", 100},
        {"EFR", {Num(0.12L)}, "EFR(0.12,12)", 0.12682503013196972L},
        {"NPV",
         {Num(0.1L), Nums({-100, 60, 70})},
         "NPV(0.1,[-100,60,70],0)",
         11.269722013523666416L},
        {"Sum", {Nums({1, 2, 3})}, "Sum([1,2,3])", 6},
        {"Case", {Num(5), Nums({0, 0}), List{}}, "Case(5,[0,0],[])", 5},
        {"Case", {Num(0), Nums({0, 1}), Nums({10, 20})}, "Case(0,[0,1],[10,20])", 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        std::unique_ptr<TCalcOperate> node = BindCatalogueCall(Row(c.name), c.args);
        ASSERT_NE(node, nullptr);
        const ValueRef value = TCalcValue::NewComputed(std::move(node));
        EXPECT_EQ(value->GetFormulaText(), c.formula);
        if (std::string(c.name) == "Today") {
            EXPECT_EQ(value->CVType(), cvDate);
            continue;
        }
        EXPECT_EQ(value->CVType(), cvNumber) << value->ErrorText();
        EXPECT_NEAR(static_cast<double>(value->Number()), static_cast<double>(c.number), 1e-9);
    }
}

TEST_F(FunctionCall, TheValuesThemselvesBecomeTheOperands) {
    const ValueRef rate = Var("Rate", Num(0.1L));
    const ValueRef flow = Var("Flow", Num(60));
    const ValueRef value = TCalcValue::NewComputed(BindCatalogueCall(
        Row("NPV"), {rate->MakeReference(), List{Num(-100), flow->MakeReference()}}));
    EXPECT_EQ(value->GetFormulaText(), "NPV(Rate,[-100,Flow],0)");
    const long double before = value->Number();
    flow->SetNumber(70);
    flow->NotifyReferrers();
    EXPECT_NE(value->Number(), before);  // the list element refers to the variable
}

TEST_F(FunctionCall, ArgumentsThatDoNotFitAreRefused) {
    struct Case {
        const char* name;
        TCallArguments args;
        const char* why;
    };
    const Case cases[] = {
        {"Sqrt", {}, "too few"},
        {"Sqrt", {Num(1), Num(2)}, "too many"},
        {"PMT", {Num(0), Num(10), Num(-1000)}, "FV has no default"},
        {"PMT", {Num(0), Num(10), Num(-1000), Num(0), Num(0), Num(0)}, "too many"},
        {"Today", {Num(1)}, "Today takes nothing"},
        {"IRR", {Num(0.1L)}, "the list has no default"},
        {"Sqrt", {Nums({9})}, "a list for a plain parameter"},
        {"NPV", {Num(0.1L), Num(5)}, "a number for a list parameter"},
        {"Hypot", {Num(3), ValueRef()}, "a null value"},
        {"Sum", {List{Num(1), ValueRef()}}, "a null element"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BindCatalogueCall(Row(c.name), c.args), nullptr) << c.name << ": " << c.why;
    }
    // A user function's record has no catalogue identifier.
    TFuncDataItem userRecord;
    userRecord.Name = "Hyp";
    userRecord.MultiParam = true;
    EXPECT_EQ(BindCatalogueCall(userRecord, {}), nullptr);
}

TEST_F(FunctionCall, UserFunctionArgumentsAreOperandsByPosition) {
    const ValueRef a = Var("A", Num(7));
    const ValueRef value =
        TCalcValue::NewComputed(BindUserFunctionCall("Hyp", {Num(3), a->MakeReference()}));
    EXPECT_EQ(value->GetFormulaText(), "Hyp(3,A)");
    EXPECT_EQ(TCalcValue::NewComputed(BindUserFunctionCall("Hyp", {}))->GetFormulaText(), "Hyp()");
    EXPECT_EQ(BindUserFunctionCall("Hyp", {Num(1), ValueRef()}), nullptr);
}

TEST_F(FunctionCall, ArgumentCounts) {
    struct Case {
        const char* name;
        std::size_t required;
        std::size_t total;
        const char* text;
    };
    const Case cases[] = {
        {"Sqrt", 1, 1, "1 argument"},      {"Today", 0, 0, "no arguments"},
        {"PMT", 4, 5, "4 to 5 arguments"}, {"IRR", 2, 2, "2 arguments"},
        {"EFR", 1, 2, "1 to 2 arguments"}, {"Sum", 1, 1, "1 argument"},
        {"Case", 3, 3, "3 arguments"},
    };
    for (const Case& c : cases) {
        const TArgumentCount count = CatalogueArgumentCount(Row(c.name));
        EXPECT_EQ(count.Required, c.required) << c.name;
        EXPECT_EQ(count.Total, c.total) << c.name;
        EXPECT_EQ(ArgumentCountText(Row(c.name)), c.text) << c.name;
    }
}

}  // namespace
}  // namespace quillix::test
