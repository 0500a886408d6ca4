// SPDX-License-Identifier: GPL-3.0-or-later
// A long random session runs to its end with the stack consistent after every
// key; the sanitizers watch for crashes and leaks, including the deep trees a
// long algebraic formula builds.

#include <gtest/gtest.h>

#include <utility>

#include "engine/engine_readback.h"
#include "engine_keys.h"
#include "random_keys.h"

namespace quillix::test {
namespace {

using EngineSoak = EngineTest;

void ExpectConsistent(const TCalcEngine& engine) {
    const TCalcStack& stack = engine.Stack();
    ASSERT_TRUE(stack.X);
    ASSERT_TRUE(stack.Pending == ccNone || IsBinaryOperator(stack.Pending));
    for (int i = 0; i < stack.Ops.Count(); ++i)
        ASSERT_TRUE(IsBinaryOperator(stack.Ops.GetItem(i)));
    for (int i = 0; i < stack.Values.Count(); ++i)
        ASSERT_TRUE(stack.Values.GetItem(i));
    ASSERT_TRUE(engine.Mode() == kModeALG || engine.Mode() == kModeRPN);
    ASSERT_FALSE(DisplayText(engine).empty());
}

TEST_F(EngineSoak, FiftyThousandRandomKeys) {
    // One session clears now and then, the other never does.
    const std::pair<std::uint32_t, int> runs[] = {{1u, 400}, {20240229u, 1 << 30}};
    for (const auto& [seed, clearEvery] : runs) {
        SCOPED_TRACE(seed);
        const RandomKeySession session(seed, 25000, {.clearEvery = clearEvery});
        TCalcEngine engine;
        int failed = 0;
        for (const RandomKeySession::Key& key : session.Keys()) {
            if (!session.Run(engine, key)) ++failed;
            ExpectConsistent(engine);
        }
        EXPECT_LT(failed, 2500);
        EXPECT_FALSE(ExpressionText(engine).empty());
        ExpectConsistent(engine);
    }
}

TEST_F(EngineSoak, AFormulaOfAHundredThousandOperatorsIsShownAndFreed) {
    TCalcEngine engine;
    for (int i = 0; i < 100000; ++i)
        Press(engine, "1 +");
    Press(engine, "1 =");
    EXPECT_EQ(DisplayText(engine), "100,001");
    const std::string formula = ExpressionText(engine);
    EXPECT_EQ(formula.size(), 2u * 100000 + 1);
    EXPECT_EQ(formula.substr(0, 6), "1+1+1+");
    Press(engine, "C");
    EXPECT_EQ(DisplayText(engine), "0");
}

TEST_F(EngineSoak, ANestingOfTenThousandParenthesesCloses) {
    TCalcEngine engine;
    for (int i = 0; i < 10000; ++i)
        Press(engine, "1 + (");
    EXPECT_EQ(CounterText(engine), "(=10000");
    Press(engine, "1");
    for (int i = 0; i < 10000; ++i)
        Press(engine, ")");
    Press(engine, "=");
    EXPECT_EQ(CounterText(engine), "(=0");
    EXPECT_EQ(engine.Stack().Values.Count(), 0);
    EXPECT_EQ(DisplayText(engine), "10,001");
}

}  // namespace
}  // namespace quillix::test
