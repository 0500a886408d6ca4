// SPDX-License-Identifier: GPL-3.0-or-later
// RPN in its two styles, key by key: each row runs the same keys once in
// Classic and once in Stack style and compares what the display, the
// expression line and the depth counter show. Classic must keep its own
// answers (the stack keys do nothing there); Stack answers as stack
// calculators do.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/engine_readback.h"
#include "engine_keys.h"

namespace quillix::test {
namespace {

struct Shown {
    const char* display;
    const char* expression;
    const char* counter;
};

struct StyleRow {
    const char* keys;
    Shown classic;
    Shown stack;
};

void ExpectShown(const TCalcEngine& engine, const Shown& shown) {
    EXPECT_EQ(DisplayText(engine), shown.display);
    EXPECT_EQ(ExpressionText(engine), shown.expression);
    EXPECT_EQ(CounterText(engine), shown.counter);
}

TCalcEngine& InStyle(TCalcEngine& engine, TRPNStyle style) {
    engine.Execute(ccModeRPN);
    engine.Execute(style == TRPNStyle::Stack ? ccStyleStack : ccStyleClassic);
    return engine;
}

using StackStyle = EngineTest;

TEST_F(StackStyle, WorkedSequencesInBothStyles) {
    const StyleRow rows[] = {
        {"2 Enter 3 +", {"5", "2+3", "M=0"}, {"5", "2+3", "M=0"}},
        {"3 Enter Enter +", {"3", "3", "M=0"}, {"6", "3+3", "M=1"}},
        {"2 Enter 3 Enter Enter", {"3", "3", "M=1"}, {"3", "3", "M=3"}},
        {"2 Enter 3 Enter 4 * -", {"-10", "2-3*4", "M=0"}, {"-10", "2-3*4", "M=0"}},
        {"3 Enter 4 + 5 *", {"35", "(3+4)*5", "M=0"}, {"35", "(3+4)*5", "M=0"}},
        {"1 Enter BS 2", {"2", "2", "M=1"}, {"2", "2", "M=1"}},
        {"2 Enter Sqrt 3", {"3", "3", "M=1"}, {"3", "3", "M=2"}},
        // x<->y
        {"1 Enter 2 x↔y -", {"-1", "1-2", "M=0"}, {"1", "2-1", "M=0"}},
        {"1 Enter 2 + 3 Enter 4 * x↔y", {"12", "3*4", "M=1"}, {"3", "1+2", "M=1"}},
        {"1 Enter 2 + 3 Enter 4 * x↔y -", {"-9", "1+2-3*4", "M=0"}, {"9", "3*4-(1+2)", "M=0"}},
        // R-down: X to the bottom, the top to X; as many turns as levels bring it back.
        {"1 Enter 2 Enter 3 R↓", {"3", "3", "M=2"}, {"2", "2", "M=2"}},
        {"1 Enter 2 Enter 3 R↓ R↓ R↓", {"3", "3", "M=2"}, {"3", "3", "M=2"}},
        {"1 Enter 2 Enter 3 R↓ +", {"5", "2+3", "M=1"}, {"3", "1+2", "M=1"}},
        // Drop
        {"1 Enter 2 Drop", {"2", "2", "M=1"}, {"1", "1", "M=0"}},
        {"3 Enter 4 Enter 5 Drop Drop", {"5", "5", "M=2"}, {"3", "3", "M=0"}},
        // LastX brings back X as it was before the last operation, with its tree.
        {"9 Sqrt LastX", {"3", "Sqrt(9)", "M=0"}, {"9", "9", "M=1"}},
        {"9 Sqrt LastX +", {"3", "Sqrt(9)", "M=0"}, {"12", "Sqrt(9)+9", "M=0"}},
        {"2 Enter 3 * LastX /", {"6", "2*3", "M=0"}, {"2", "2*3/3", "M=0"}},
        {"2 Enter 3 + Sqrt LastX", {"2.2360679774997897", "Sqrt(2+3)", "M=0"}, {"5", "2+3", "M=1"}},
        {"2 Enter LastX", {"2", "2", "M=0"}, {"0", "0", "M=1"}},
        {"9 Sqrt C LastX", {"0", "0", "M=0"}, {"0", "0", "M=0"}},
        {"100 Enter 10 % +", {"110", "100+100*10%", "M=0"}, {"110", "100+100*10%", "M=0"}},
        {"100 Enter 10 % LastX", {"10", "100*10%", "M=1"}, {"10", "10", "M=2"}},
        // An empty stack: below it lie zeros.
        {"5 +", {"5", "5", "M=0"}, {"5", "0+5", "M=0"}},
        {"5 -", {"5", "5", "M=0"}, {"-5", "0-5", "M=0"}},
        {"5 x↔y", {"5", "5", "M=0"}, {"0", "0", "M=1"}},
        {"5 Drop", {"5", "5", "M=0"}, {"0", "0", "M=0"}},
        {"LastX", {"0", "0", "M=0"}, {"0", "0", "M=0"}},
        {"50 %", {"50", "50", "M=0"}, {"0", "0*50%", "M=0"}},
        {"5 Enter +/- +", {"-5", "-5", "M=0"}, {"0", "5+-5", "M=0"}},
    };
    for (const StyleRow& row : rows) {
        SCOPED_TRACE(row.keys);
        TCalcEngine classic, stack;
        Press(InStyle(classic, TRPNStyle::Classic), row.keys);
        Press(InStyle(stack, TRPNStyle::Stack), row.keys);
        {
            SCOPED_TRACE("Classic");
            ExpectShown(classic, row.classic);
        }
        {
            SCOPED_TRACE("Stack");
            ExpectShown(stack, row.stack);
        }
    }
}

TEST_F(StackStyle, TheStackKeysDoNothingInAlgebraicMode) {
    for (const std::uint8_t style : {ccStyleClassic, ccStyleStack}) {
        TCalcEngine engine;
        engine.Execute(style);
        Press(engine, "2 + 3 x↔y R↓ Drop LastX");
        EXPECT_EQ(DisplayText(engine), "3");
        EXPECT_TRUE(engine.IsEntering());  // still typing the 3
        Press(engine, "=");
        EXPECT_EQ(ExpressionText(engine), "2+3");
    }
}

// A recalled value takes the place of the copy Enter left, and lifts any
// other X, as typing a number does.
TEST_F(StackStyle, ARecalledValueReplacesTheCopyEnterLeft) {
    struct Row {
        const char* before;
        const char* after;
        const char* display;
        const char* expression;
        const char* counter;
    };
    const Row rows[] = {
        {"5 Enter", "", "10", "A", "M=1"},   {"5 Enter", "+", "15", "5+A", "M=0"},
        {"5 Sqrt", "", "10", "A", "M=1"},    {"", "", "10", "A", "M=0"},
        {"5 Enter 0", "", "10", "A", "M=1"}, {"9 Sqrt", "Drop LastX", "9", "9", "M=1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.before) + " [A] " + row.after);
        const ValueRef a = Var("A", Num(10));
        TCalcEngine engine;
        Press(InStyle(engine, TRPNStyle::Stack), row.before);
        Recall(engine, a);
        Press(engine, row.after);
        ExpectShown(engine, {row.display, row.expression, row.counter});
    }
}

TEST_F(StackStyle, SwitchingStylesKeepsTheCalculation) {
    TCalcEngine engine;
    Press(engine, "RPN 1 Enter 2");
    engine.Execute(ccStyleStack);
    EXPECT_EQ(engine.RPNStyle(), TRPNStyle::Stack);
    EXPECT_EQ(RPNStyleText(engine), "Stack");
    Press(engine, "3");  // still the number being typed
    ExpectShown(engine, {"23", "23", "M=1"});
    Press(engine, "x↔y");
    ExpectShown(engine, {"1", "1", "M=1"});
    engine.Execute(ccStyleClassic);
    Press(engine, "-");
    ExpectShown(engine, {"22", "23-1", "M=0"});

    // The style waits for RPN mode: in ALG it is kept but changes nothing.
    Press(engine, "ALG");
    engine.Execute(ccStyleStack);
    Press(engine, "RPN 4 Enter Enter +");
    ExpectShown(engine, {"8", "4+4", "M=2"});
}

TEST_F(StackStyle, StackLevelsNameTheLevelsAboveX) {
    TCalcEngine engine;
    Press(InStyle(engine, TRPNStyle::Stack), "1 Enter 2 + 3 Enter 4 Enter 5 Enter 6 Enter 7");
    const std::vector<TStackLevel> levels = StackLevels(engine.Stack(), 10);
    ASSERT_EQ(levels.size(), 5u);
    const char* labels[] = {"Y", "Z", "T", "5", "6"};
    const char* values[] = {"6", "5", "4", "3", "3"};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        EXPECT_EQ(levels[i].Label, labels[i]);
        EXPECT_EQ(levels[i].Value, values[i]);
    }
    EXPECT_EQ(levels[4].Formula, "1+2");
    EXPECT_EQ(StackLevels(engine.Stack(), 3).size(), 3u);
    EXPECT_EQ(StackLevels(engine.Stack(), 0).size(), 0u);
}

// Random keys weighted toward the stack keys: the stack stays whole (X and
// every level are values) and the sanitizers see no fault or leak.
TEST_F(StackStyle, ALongRandomSessionKeepsTheStackWhole) {
    const char* const keys[] = {"1", "2",  "7",   "Enter", "Enter", "+",    "-",     "*",
                                "/", "%",  "+/-", "Sqrt",  "x↔y",   "R↓",   "Drop",  "LastX",
                                ".", "BS", "1/x", "x↔y",   "R↓",    "Drop", "LastX", "Enter"};
    std::mt19937 random(19);
    TCalcEngine engine;
    InStyle(engine, TRPNStyle::Stack);
    const ValueRef a = Var("A", Num(3));
    for (int i = 0; i < 20000; ++i) {
        const int roll = static_cast<int>(random() % 1000);
        if (roll == 0)
            Press(engine, "C");
        else if (roll < 3)
            engine.Execute(roll == 1 ? ccModeALG : ccModeRPN);
        else if (roll < 5)
            engine.Execute(roll == 3 ? ccStyleClassic : ccStyleStack);
        else if (roll < 20)
            Recall(engine, a);
        else
            PressKey(engine, keys[random() % std::size(keys)]);
        const TCalcStack& stack = engine.Stack();
        ASSERT_TRUE(stack.X);
        for (int level = 0; level < stack.Values.Count(); ++level)
            ASSERT_TRUE(stack.Values.GetItem(level));
    }
    EXPECT_FALSE(DisplayText(engine).empty());
}

}  // namespace
}  // namespace quillix::test
