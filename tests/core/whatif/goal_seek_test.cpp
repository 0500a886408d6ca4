// SPDX-License-Identifier: GPL-3.0-or-later
// Goal seek over the program document: answers, the reasons when there is
// none, the document untouched by the search, and Apply as one change.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "core/whatif/whatif_test_support.h"
#include "functions/func_finance.h"
#include "whatif/goal_seek.h"

namespace quillix::test {
namespace {

class GoalSeekTest : public WhatIfTest {
  protected:
    TGoalSeekAnswer Seek(const std::string& output, long double target, const std::string& input,
                         std::optional<long double> start = std::nullopt) {
        const std::string before = Before();
        TGoalSeekAnswer answer = GoalSeek(doc, TGoalSeekRequest{output, target, input, start});
        EXPECT_EQ(Saved(), before) << "the search changed the document";
        EXPECT_EQ(events, 0) << "the search raised events";
        EXPECT_LE(answer.Evaluations, kRootSearchEvaluations);
        return answer;
    }
};

TEST_F(GoalSeekTest, TheRateOfALoanIsTheRateFunctionsAnswer) {
    DefineLoan();
    struct Row {
        long double payment;
        long double start;
    };
    const Row rows[] = {
        {-1000, 0.06L}, {-1500, 0.06L}, {-2000, 0.01L}, {-1199.10, 0.5L}, {-600, 0.06L}};
    for (const Row& row : rows) {
        const TGoalSeekAnswer answer = Seek("Payment", row.payment, "Rate", row.start);
        ASSERT_TRUE(answer.Found) << row.payment << ": " << answer.Reason;
        const long double expected = 12 * funcs::InterestRate(360, row.payment, 200000, 0, 0);
        EXPECT_LE(std::fabs(answer.InputValue - expected), 1e-12L * std::fabs(expected))
            << row.payment << ": " << static_cast<double>(answer.InputValue) << " against "
            << static_cast<double>(expected);
        EXPECT_LE(std::fabs(answer.OutputValue.Number - row.payment),
                  GoalSeekTolerance(row.payment));
        EXPECT_EQ(answer.Reason, "");
    }
}

TEST_F(GoalSeekTest, SquareOfXIsTwoOnTheSideOfTheStart) {
    Define("X", "1");
    Define("Y", "X^2");
    const TGoalSeekAnswer positive = Seek("Y", 2, "X");
    ASSERT_TRUE(positive.Found) << positive.Reason;
    EXPECT_NEAR(static_cast<double>(positive.InputValue), std::sqrt(2.0), 1e-12);
    const TGoalSeekAnswer negative = Seek("Y", 2, "X", -3);
    ASSERT_TRUE(negative.Found) << negative.Reason;
    EXPECT_NEAR(static_cast<double>(negative.InputValue), -std::sqrt(2.0), 1e-12);
    EXPECT_EQ(Number("X"), 1);
}

TEST_F(GoalSeekTest, AnInputAlreadyAtTheAnswerIsTheAnswerAfterOneEvaluation) {
    Define("X", "3");
    Define("Y", "X*2");
    const TGoalSeekAnswer answer = Seek("Y", 6, "X");
    EXPECT_TRUE(answer.Found);
    EXPECT_EQ(answer.InputValue, 3);
    EXPECT_EQ(answer.Evaluations, 1);
}

TEST_F(GoalSeekTest, WithoutASignChangeTheBestPointAndTheRangeSearchedAreReported) {
    Define("X", "3");
    Define("Y", "X^2+1");
    const TGoalSeekAnswer answer = Seek("Y", 0, "X");
    EXPECT_FALSE(answer.Found);
    EXPECT_EQ(answer.Outcome, TRootOutcome::kNoSignChange);
    // The least Y seen, on the far side of the valley, and Y there.
    EXPECT_LT(std::fabs(answer.InputValue), 1);
    EXPECT_EQ(answer.OutputValue.Number, answer.InputValue * answer.InputValue + 1);
    EXPECT_EQ(answer.Reason.rfind("no sign change of Y minus the target between X=-", 0), 0u)
        << answer.Reason;
}

TEST_F(GoalSeekTest, AStepOverTheTargetIsADiscontinuity) {
    Define("X", "0");
    Define("Y", "X>=1");
    const TGoalSeekAnswer answer = Seek("Y", 0.5L, "X");
    EXPECT_FALSE(answer.Found);
    EXPECT_EQ(answer.Outcome, TRootOutcome::kDiscontinuity);
    // Comparisons are tolerant: X>=1 holds from 1-1E-16 on.
    EXPECT_NEAR(static_cast<double>(answer.InputValue), 1 - 1e-16, 1e-18);
    EXPECT_EQ(answer.Reason, "a discontinuity: Y jumps over the target at X=0.9999999999999999");
}

TEST_F(GoalSeekTest, AnOutputThatBecomesAnErrorValueIsTheReason) {
    Define("X", "4");
    Define("Y", "Sqrt(X)");
    const TGoalSeekAnswer answer = Seek("Y", -1, "X");
    EXPECT_FALSE(answer.Found);
    EXPECT_EQ(answer.Outcome, TRootOutcome::kErrorValue);
    EXPECT_EQ(answer.Reason.rfind("no sign change of Y minus the target between X=", 0), 0u)
        << answer.Reason;
    EXPECT_NE(answer.Reason.find(
                  ", and Y is an error value (\"Invalid floating point operation\") at X=-"),
              std::string::npos)
        << answer.Reason;
    EXPECT_FALSE(answer.OutputValue.IsError());  // the best point is a number
}

TEST_F(GoalSeekTest, TheSearchStepsBackFromErrorsTowardTheAnswer) {
    Define("X", "1");
    Define("Y", "Ln(X)");
    const TGoalSeekAnswer answer = Seek("Y", -5, "X");
    ASSERT_TRUE(answer.Found) << answer.Reason;
    EXPECT_NEAR(static_cast<double>(answer.InputValue), std::exp(-5.0), 1e-15);
}

TEST_F(GoalSeekTest, AnOutputThatNeverSettlesStopsAtTheEvaluationLimit) {
    Define("X", "0");
    Define("Y", "X>=0");  // a step at 0, where the bracket can narrow for very long
    const TGoalSeekAnswer answer = Seek("Y", 0.5L, "X");
    EXPECT_FALSE(answer.Found);
    EXPECT_LE(answer.Evaluations, kRootSearchEvaluations);
}

TEST_F(GoalSeekTest, ApplyIsOneOrdinaryChangeOfTheInput) {
    DefineLoan();
    const TGoalSeekAnswer answer = Seek("Payment", -1000, "Rate");
    ASSERT_TRUE(answer.Found);
    std::vector<std::uint8_t> actions;
    TCalcVarsEventsObject recorder;
    recorder.OnChange = [&](std::uint8_t action, int, TCalcValueWarper*, const std::string&) {
        actions.push_back(action);
    };
    doc.AddListener(&recorder);
    EXPECT_TRUE(ApplyGoalSeekAnswer(doc, "rate", answer.InputValue));
    doc.RemoveListener(&recorder);
    EXPECT_EQ(actions, std::vector<std::uint8_t>{vaValueChanged});
    EXPECT_TRUE(doc.GetModified());
    EXPECT_EQ(Number("Rate"), answer.InputValue);
    EXPECT_EQ(Number("Payment"), answer.OutputValue.Number);
    EXPECT_FALSE(ApplyGoalSeekAnswer(doc, "Payment", 1));  // has a formula
}

TEST_F(GoalSeekTest, NamesThatCannotServeAreRefused) {
    DefineLoan();
    EXPECT_THROW(GoalSeek(doc, TGoalSeekRequest{"Payment", 1, "Months", {}}), WhatIfRefused);
    EXPECT_THROW(GoalSeek(doc, TGoalSeekRequest{"Paymnt", 1, "Rate", {}}), WhatIfRefused);
}

}  // namespace
}  // namespace quillix::test
