// SPDX-License-Identifier: GPL-3.0-or-later
// The nodes that call stored user functions and programs, with a fake library
// runner in place of the real one.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/calc_error.h"
#include "model/operate_binary.h"
#include "model/operate_user.h"
#include "model/user_call_runner.h"
#include "tree_builders.h"

namespace quillix::test {
namespace {

// Records every call and answers with what the test set up.
class FakeRunner : public IUserCallRunner {
  public:
    struct Call {
        std::string name;
        std::string resultName;
        std::vector<const TCalcValue*> args;
        std::vector<long double> numbers;
        std::vector<std::uint8_t> kinds;
    };

    std::optional<UserCallResult> RunUserFunction(
        const std::string& name, const std::vector<const TCalcValue*>& args) override {
        return Answer(name, "", args);
    }
    std::optional<UserCallResult> RunUserProgram(
        const std::string& name, const std::string& resultName,
        const std::vector<const TCalcValue*>& args) override {
        return Answer(name, resultName, args);
    }

    std::optional<UserCallResult> answer = UserCallResult{42, cvNumber, {}};
    std::optional<std::string> failure;
    std::vector<Call> calls;

  private:
    std::optional<UserCallResult> Answer(const std::string& name, const std::string& resultName,
                                         const std::vector<const TCalcValue*>& args) {
        Call call{name, resultName, args, {}, {}};
        for (const TCalcValue* arg : args) {
            call.numbers.push_back(arg->GetNumber());
            call.kinds.push_back(arg->CVType());
        }
        calls.push_back(std::move(call));
        if (failure) RaiseCalcError(*failure);
        return answer;
    }
};

ValueRef UserFunc(const char* name, std::vector<ValueRef> args) {
    return ValueOver(std::make_unique<TCalcOperateUserFunc>(name), std::move(args));
}

ValueRef Program(const char* name, const char* result, std::vector<ValueRef> args) {
    return ValueOver(std::make_unique<TCalcOperateUserProgram>(name, result), std::move(args));
}

class UserNodes : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        SetUserCallRunner(&runner);
    }
    void TearDown() override {
        SetUserCallRunner(nullptr);
        ModelTest::TearDown();
    }

    FakeRunner runner;
};

TEST_F(UserNodes, FormulaTexts) {
    SetUserCallRunner(nullptr);
    ValueRef a = Var("A", Num(7));
    struct Row {
        ValueRef value;
        const char* formula;
    };
    const Row rows[] = {
        {UserFunc("Hyp", {Num(3), Num(4)}), "Hyp(3,4)"},
        {UserFunc("Hyp", {}), "Hyp()"},
        {UserFunc("Hyp", {a, Make<TCalcOperatePlus>(Num(1), Num(2))}), "Hyp(A,1+2)"},
        {Program("Loan", "Payment", {Num(1000), Num(5)}), "Loan('Payment',1000,5)"},
        {Program("Loan", "Payment", {}), "Loan('Payment')"},
        {Make<TCalcOperateMultis>(UserFunc("Hyp", {Num(3)}), Num(2)), "Hyp(3)*2"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.value->GetFormulaText(), row.formula);
}

TEST_F(UserNodes, WithoutARunnerTheResultIsZero) {
    SetUserCallRunner(nullptr);
    for (const ValueRef& value : {UserFunc("Hyp", {Num(3), Num(4)}), Program("Loan", "P", {})}) {
        EXPECT_EQ(value->Number(), 0);
        EXPECT_EQ(value->CVType(), cvNumber);
        EXPECT_EQ(value->ErrorText(), "");
    }
}

TEST_F(UserNodes, ANotFoundFunctionOrProgramGivesZero) {
    runner.answer = std::nullopt;
    ValueRef value = Program("Loan", "Payment", {Num(1)});
    EXPECT_EQ(value->Number(), 0);
    EXPECT_EQ(value->CVType(), cvNumber);
    ASSERT_EQ(runner.calls.size(), 1u);
}

TEST_F(UserNodes, ArgumentsArePassedAsValuesInOperandOrder) {
    ValueRef a = Var("A", Num(7));
    ValueRef sum = Make<TCalcOperatePlus>(Num(1), Num(2));
    ValueRef day = Date(2024, 2, 29);
    ValueRef value = UserFunc("Hyp", {a, sum, day});
    EXPECT_EQ(value->Number(), 42);
    ASSERT_EQ(runner.calls.size(), 1u);
    const FakeRunner::Call& call = runner.calls[0];
    EXPECT_EQ(call.name, "Hyp");
    EXPECT_EQ(call.args, (std::vector<const TCalcValue*>{a.get(), sum.get(), day.get()}));
    EXPECT_EQ(call.numbers, (std::vector<long double>{7, 3, day->Number()}));
    EXPECT_EQ(call.kinds, (std::vector<std::uint8_t>{cvNumber, cvNumber, cvDate}));

    ValueRef program = Program("Loan", "Payment", {Num(1000), Num(5)});
    ASSERT_EQ(runner.calls.size(), 2u);
    EXPECT_EQ(runner.calls[1].name, "Loan");
    EXPECT_EQ(runner.calls[1].resultName, "Payment");
    EXPECT_EQ(runner.calls[1].numbers, (std::vector<long double>{1000, 5}));
}

TEST_F(UserNodes, TheResultKindComesFromTheRunner) {
    runner.answer = UserCallResult{45351, cvDate, {}};
    ValueRef date = UserFunc("Due", {});
    EXPECT_EQ(date->CVType(), cvDate);
    EXPECT_EQ(date->FormatValue(kPlainStyle), "[2024-02-29]");
    // An inner error value fails the call with the inner message.
    runner.answer = UserCallResult{5, cvError, "Floating point division by zero"};
    ValueRef value = Program("Loan", "Payment", {Num(1)});
    EXPECT_EQ(value->CVType(), cvError);
    EXPECT_EQ(value->ErrorText(), "Floating point division by zero");
}

TEST_F(UserNodes, AFailingRunnerMakesTheOwnerAnError) {
    runner.failure = "Result variable 'Payment' not found";
    ValueRef value = Program("Loan", "Payment", {Num(1)});
    EXPECT_EQ(value->CVType(), cvError);
    EXPECT_EQ(value->FormatValue(kPlainStyle), "Result variable 'Payment' not found");
    // and everything built on it shows the same message.
    EXPECT_EQ(Make<TCalcOperatePlus>(value, Num(1))->ErrorText(), value->ErrorText());
    // Once the runner succeeds, recalculation clears the error.
    runner.failure.reset();
    value->Recalculate();
    EXPECT_EQ(value->CVType(), cvNumber);
    EXPECT_EQ(value->Number(), 42);
}

TEST_F(UserNodes, AnErrorOperandFailsBeforeTheRunnerIsAsked) {
    ValueRef broken = Make<TCalcOperateDIV>(Num(1), Num(0));
    ValueRef value = UserFunc("Hyp", {Num(1), broken});
    EXPECT_EQ(value->ErrorText(), "Floating point division by zero");
    EXPECT_TRUE(runner.calls.empty());
}

TEST_F(UserNodes, AMissingOperandFailsBeforeTheRunnerIsAsked) {
    // Only a damaged tree lacks an operand; the runner must never see the gap.
    ValueRef function = UserFunc("Hyp", {Num(1), nullptr});
    ValueRef program = Program("Loan", "Payment", {nullptr});
    EXPECT_EQ(function->ErrorText(), kMsgIncompleteFormula);
    EXPECT_EQ(program->ErrorText(), kMsgIncompleteFormula);
    EXPECT_TRUE(runner.calls.empty());
    EXPECT_EQ(function->GetFormulaText(), "Hyp(1,)");
}

TEST_F(UserNodes, AChangedArgumentCallsTheRunnerAgain) {
    ValueRef a = Var("A", Num(1));
    ValueRef value = UserFunc("Hyp", {a->MakeReference()});
    a->TakeOver(Num(9), true);
    ASSERT_EQ(runner.calls.size(), 2u);
    EXPECT_EQ(runner.calls[1].numbers, std::vector<long double>{9});
}

TEST_F(UserNodes, ClonesKeepTheNamesAndShareTheOperands) {
    ValueRef a = Var("A", Num(1));
    ValueRef function = UserFunc("Hyp", {a, Num(2)});
    ValueRef program = Program("Loan", "Payment", {a});
    ValueRef functionCopy = function->Clone();
    ValueRef programCopy = program->Clone();
    EXPECT_EQ(functionCopy->GetFormulaText(), "Hyp(A,2)");
    EXPECT_EQ(programCopy->GetFormulaText(), "Loan('Payment',A)");
    EXPECT_EQ(functionCopy->Operate()->Operand(1), function->Operate()->Operand(1));
    EXPECT_EQ(a->ReferrerCount(), 4);
    const auto& node = dynamic_cast<const TCalcOperateUserProgram&>(*programCopy->Operate());
    EXPECT_EQ(node.PrgName, "Loan");
    EXPECT_EQ(node.ResName, "Payment");
}

// Several calculators each install a runner for their lifetime; whatever the
// order in which they go, the newest one still living answers, and after the
// last one the runner outside every scope is back.
TEST_F(UserNodes, RunnerScopesRestoreTheNewestLivingRunnerInAnyOrder) {
    const int orders[][3] = {{2, 1, 0}, {0, 1, 2}, {1, 0, 2}, {1, 2, 0}, {0, 2, 1}, {2, 0, 1}};
    for (const auto& order : orders) {
        SCOPED_TRACE(::testing::PrintToString(order));
        FakeRunner runners[3];
        std::optional<TUserCallRunnerScope> scopes[3];
        for (int i = 0; i < 3; ++i) {
            runners[i].answer = UserCallResult{static_cast<long double>(i + 1), cvNumber, {}};
            scopes[i].emplace(runners[i]);
            EXPECT_EQ(UserCallRunner(), &runners[i]);
        }
        EXPECT_EQ(UserFunc("F", {})->Number(), 3);
        for (const int ended : order) {
            scopes[ended].reset();
            IUserCallRunner* expected = &runner;
            for (int i = 0; i < 3; ++i) {
                if (scopes[i]) expected = &runners[i];
            }
            EXPECT_EQ(UserCallRunner(), expected);
        }
        EXPECT_EQ(UserFunc("F", {})->Number(), 42);
    }
}

}  // namespace
}  // namespace quillix::test
