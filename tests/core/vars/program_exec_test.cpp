// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <time.h>

#include <memory>

#include "core/model/tree_builders.h"
#include "core/vars/library_test_support.h"
#include "model/operate_binary.h"
#include "model/operate_user.h"
#include "vars/calc_exec.h"
#include "vars/calc_vars.h"
#include "vars/library_call_runner.h"
#include "vars/user_libraries.h"

namespace quillix::test {
namespace {

ValueRef CallFunction(const std::string& name, std::vector<ValueRef> args) {
    return ValueOver(std::make_unique<TCalcOperateUserFunc>(name), std::move(args));
}

ValueRef CallProgram(const std::string& name, const std::string& result,
                     std::vector<ValueRef> args) {
    return ValueOver(std::make_unique<TCalcOperateUserProgram>(name, result), std::move(args));
}

class ProgramExec : public ModelTest {
  protected:
    TempFolder home;
    TUserLibraries libraries{home.Path()};
    TLibraryCallRunner runner;
    TCalcVars doc;

    ValueRef Ref(const char* name) { return doc.GetValue(name)->MakeReference(); }

    // Marks the inputs and outputs of the document and saves it as function name.
    ::testing::AssertionResult SaveAsFunction(const char* name,
                                              std::initializer_list<const char*> inputs,
                                              std::initializer_list<const char*> outputs) {
        for (const char* input : inputs)
            doc.SetValueType(input, wtInput);
        for (const char* output : outputs)
            doc.SetValueType(output, wtOutput);
        std::string error;
        if (doc.SaveAsFunction(name, libraries.Functions(), &error))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << error;
    }

    // f(a, b) = a - b, made from a copy of the document as the create-function
    // dialog does; the document gets a = 10, b = 3.
    void SaveDifference(const char* name = "f") {
        doc.New();
        ASSERT_TRUE(doc.Add("a", Num(10)));
        ASSERT_TRUE(doc.Add("b", Num(3)));
        ASSERT_TRUE(doc.Add("r", Make<TCalcOperateMinus>(Ref("a"), Ref("b"))));
        std::unique_ptr<TCalcVarsBase> copy = doc.Clone();
        copy->ResetTypes();
        copy->MarkInput("a", "first");
        copy->MarkInput("b", "");
        copy->MarkOutput("r", "");
        std::string error;
        ASSERT_TRUE(copy->SaveAsFunction(name, libraries.Functions(), &error)) << error;
    }
};

TEST_F(ProgramExec, ArgumentsBindByPositionAndMissingOnesKeepTheStoredNumber) {
    SaveDifference();
    EXPECT_EQ(CallFunction("f", {Num(10), Num(4)})->Number(), 6);
    EXPECT_EQ(CallFunction(" F ", {Num(10)})->Number(), 7);
    EXPECT_EQ(CallFunction("f", {Num(10), Num(4), Num(99)})->Number(), 6);
    EXPECT_EQ(CallFunction("f", {})->Number(), 7);
    EXPECT_EQ(CallFunction("f", {Num(1), Num(2)})->GetFormulaText(), "f(1,2)");
}

// Each calculator of the window holds its own runner; one that goes must not
// leave the others without a runner.
TEST_F(ProgramExec, ARunnerThatGoesLeavesTheEarlierOneInstalled) {
    SaveDifference();
    auto second = std::make_unique<TLibraryCallRunner>();
    auto third = std::make_unique<TLibraryCallRunner>();
    EXPECT_EQ(UserCallRunner(), third.get());
    second.reset();
    EXPECT_EQ(UserCallRunner(), third.get());
    third.reset();
    EXPECT_EQ(UserCallRunner(), &runner);
    EXPECT_EQ(CallFunction("f", {Num(10), Num(4)})->Number(), 6);
}

TEST_F(ProgramExec, ArgumentsArriveAsDisplayedInFixedFormat) {
    SaveDifference();
    ValueFormatSettings().ValueFormat = kFixedFormat;
    ValueFormatSettings().ValueDigits = 2;
    EXPECT_EQ(CallFunction("f", {Num(2.344L), Num(0)})->Number(), static_cast<long double>(2.34));
}

TEST_F(ProgramExec, AMissingFunctionGivesZeroAndARenamedOneStopsWorking) {
    EXPECT_EQ(CallFunction("nothing", {Num(1)})->Number(), 0);
    SaveDifference();
    ValueRef a = Var("A", Num(10));
    ValueRef call = CallFunction("f", {a->MakeReference(), Num(4)});
    EXPECT_EQ(call->Number(), 6);
    ASSERT_TRUE(libraries.Functions().FindByName("f")->Rename("g"));
    a->TakeOver(Num(20), true);
    EXPECT_EQ(call->Number(), 0);
    EXPECT_EQ(call->CVType(), cvNumber);
}

TEST_F(ProgramExec, TheLaterOfTwoOutputsIsTheResult) {
    ASSERT_TRUE(doc.Add("x", Num(2)));
    ASSERT_TRUE(doc.Add("first", Make<TCalcOperatePlus>(Ref("x"), Num(1))));
    ASSERT_TRUE(doc.Add("second", Make<TCalcOperateMultis>(Ref("x"), Num(10))));
    ASSERT_TRUE(SaveAsFunction("two", {"x"}, {"first", "second"}));
    EXPECT_EQ(CallFunction("two", {Num(5)})->Number(), 50);

    TCalcUserFuncExec exec;
    std::string error;
    ASSERT_TRUE(exec.LoadFromFile(libraries.Functions().GetFileName("two"), &error));
    const TFuncDataItem data = exec.MakeFuncData();
    EXPECT_FALSE(data.MultiParam);
    ASSERT_EQ(data.Params.size(), 1u);
    EXPECT_EQ(data.Params[0].Name, "x");
    EXPECT_EQ(data.Params[0].DefaultValue, 2);
    EXPECT_TRUE(data.Params[0].HasDefault);
}

TEST_F(ProgramExec, FunctionDataCountsTheInputs) {
    SaveDifference();
    TCalcUserFuncExec exec;
    std::string error;
    ASSERT_TRUE(exec.LoadFromFile(libraries.Functions().GetFileName("f"), &error));
    const TFuncDataItem data = exec.MakeFuncData();
    EXPECT_EQ(data.ParamCount, 2);
    EXPECT_TRUE(data.MultiParam);
    EXPECT_EQ(data.Params[0].Description, "first");
    EXPECT_EQ(data.Name, "");
}

// The parameter dialog shows what the record says: the function's own
// description, and every digit of the stored inputs whatever the display
// format (they become the dialog's defaults, and so the node's arguments).
TEST_F(ProgramExec, FunctionDataCarriesTheDescriptionAndTheStoredDigits) {
    doc.New();
    ASSERT_TRUE(doc.Add("rate", Num(0.005L)));
    ASSERT_TRUE(doc.Add("twice", Make<TCalcOperateMultis>(Ref("rate"), Num(2))));
    doc.SetDescription("Twice the rate");
    ASSERT_TRUE(SaveAsFunction("twice", {"rate"}, {"twice"}));
    ValueFormatSettings().ValueFormat = kFixedFormat;
    ValueFormatSettings().ValueDigits = 2;
    TCalcUserFuncExec exec;
    std::string error;
    ASSERT_TRUE(exec.LoadFromFile(libraries.Functions().GetFileName("twice"), &error)) << error;
    const TFuncDataItem data = exec.MakeFuncData();
    EXPECT_EQ(data.Description, "Twice the rate");
    ASSERT_EQ(data.Params.size(), 1u);
    EXPECT_EQ(data.Params[0].DefaultValue, 0.005L);
}

TEST_F(ProgramExec, AProgramNodeReadsAnyEntry) {
    ASSERT_TRUE(doc.Add("Principal", Num(1000)));
    ASSERT_TRUE(doc.Add("Years", Num(5)));
    ASSERT_TRUE(doc.Add("Yearly", Make<TCalcOperateDIV>(Ref("Principal"), Ref("Years"))));
    ASSERT_TRUE(doc.Add("Payment", Make<TCalcOperateMultis>(Ref("Yearly"), Num(1.5L))));
    doc.SetValueType("Principal", wtInput);
    doc.SetValueType("Years", wtInput);
    doc.SetValueType("Payment", wtOutput);
    std::string error;
    ASSERT_TRUE(doc.SaveAs(libraries.Programs(), "Loan", &error)) << error;
    ValueRef payment = CallProgram("Loan", "Payment", {Num(2000), Num(4)});
    EXPECT_EQ(payment->Number(), 750);
    EXPECT_EQ(payment->GetFormulaText(), "Loan('Payment',2000,4)");
    EXPECT_EQ(CallProgram("loan", " yearly ", {Num(2000)})->Number(), 400);
    EXPECT_EQ(CallProgram("Loan", "Yearly", {Num(2000), Num(4), Num(7)})->Number(), 500);
    ValueRef missing = CallProgram("Loan", "Nothing", {});
    EXPECT_EQ(missing->CVType(), cvError);
    EXPECT_NE(missing->ErrorText().find("Nothing"), std::string::npos);
}

TEST_F(ProgramExec, AnInputWithAFormulaTakesTheCallersNumber) {
    ASSERT_TRUE(doc.Add("base", Num(2)));
    ASSERT_TRUE(doc.Add("x", Make<TCalcOperateMultis>(Ref("base"), Num(3))));
    ASSERT_TRUE(doc.Add("y", Make<TCalcOperatePlus>(Ref("x"), Num(1))));
    ASSERT_TRUE(SaveAsFunction("g", {"x"}, {"y"}));
    EXPECT_EQ(CallFunction("g", {Num(100)})->Number(), 101);
    EXPECT_EQ(CallFunction("g", {})->Number(), 7);  // without an argument x keeps its formula
}

TEST_F(ProgramExec, ErrorsInsideTheFunctionReachTheCaller) {
    ASSERT_TRUE(doc.Add("x", Num(1)));
    ASSERT_TRUE(doc.Add("y", Make<TCalcOperateDIV>(Num(1), Ref("x"))));
    ASSERT_TRUE(SaveAsFunction("inv", {"x"}, {"y"}));
    EXPECT_EQ(CallFunction("inv", {Num(4)})->Number(), 0.25L);
    EXPECT_EQ(CallFunction("inv", {Num(0)})->CVType(), cvError);
    // A function without an output has no result.
    doc.SetValueType("y", wtNormal);
    ASSERT_TRUE(SaveAsFunction("none", {}, {}));
    ValueRef none = CallFunction("none", {Num(4)});
    EXPECT_EQ(none->CVType(), cvError);
    EXPECT_NE(none->ErrorText().find("none"), std::string::npos);
}

// Sets a file's times well into the past, as for a library file saved long ago.
void AgeFile(const std::string& path) {
    timespec times[2];
    ::clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= 3600;
    times[1] = times[0];
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST_F(ProgramExec, KeptParsesNeverChangeAResult) {
    SaveDifference();
    const std::string file = libraries.Functions().GetFileName("f");
    AgeFile(file);
    ValueRef a = Var("A", Num(10));
    ValueRef call = CallFunction("f", {a->MakeReference()});
    EXPECT_EQ(call->Number(), 7);
    a->TakeOver(Num(20), true);  // served from the kept parse
    EXPECT_EQ(call->Number(), 17);
    // A new version of the file takes effect at the next evaluation.
    doc.SetValue("b", Num(5));
    std::unique_ptr<TCalcVarsBase> copy = doc.Clone();
    copy->MarkInput("a", "");
    copy->MarkInput("b", "");
    copy->MarkOutput("r", "");
    std::string error;
    ASSERT_TRUE(copy->SaveAsFunction("f", libraries.Functions(), &error)) << error;
    a->TakeOver(Num(30), true);
    EXPECT_EQ(call->Number(), 25);
    // And the same numbers come out without the cache.
    runner.SetCacheEnabled(false);
    a->TakeOver(Num(40), true);
    EXPECT_EQ(call->Number(), 35);
}

TEST_F(ProgramExec, SelfCallsStopAtTheNestingLimit) {
    // rec(x) = rec(x) + 1: endless without a limit.
    ASSERT_TRUE(doc.Add("x", Num(1)));
    ASSERT_TRUE(doc.Add("y", Make<TCalcOperatePlus>(CallFunction("rec", {Ref("x")}), Num(1))));
    ASSERT_TRUE(SaveAsFunction("rec", {"x"}, {"y"}));
    ValueRef call = CallFunction("rec", {Num(1)});
    EXPECT_EQ(call->CVType(), cvError);
    EXPECT_NE(call->ErrorText().find("'rec'"), std::string::npos) << call->ErrorText();
}

}  // namespace
}  // namespace quillix::test
