// SPDX-License-Identifier: GPL-3.0-or-later
// The engine: listeners, mode changes, the failure of a number text, recalled
// values and what the memory view lists.

#include "engine/calc_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/calc_error.h"
#include "engine/engine_readback.h"
#include "engine_keys.h"

namespace quillix::test {
namespace {

using Engine = EngineTest;

struct Seen {
    std::string who;
    std::uint8_t code;
    const TCalcCommondData* data;
    bool entering;
};

TEST_F(Engine, TellsEveryListenerAfterEveryCodeInOrder) {
    TCalcEngine engine;
    std::vector<Seen> seen;
    TCommondProcessorEventObject first, second, silent;
    first.OnCommand = [&](std::uint8_t code, const TCalcCommondData* data, const TCalcStack& stack,
                          bool entering) {
        EXPECT_EQ(&stack, &engine.Stack());
        seen.push_back({"first", code, data, entering});
    };
    second.OnCommand = [&](std::uint8_t code, const TCalcCommondData* data, const TCalcStack&,
                           bool entering) {
        seen.push_back({"second", code, data, entering});
    };
    engine.AddListener(&first);
    engine.AddListener(&silent);  // no handler set: skipped
    engine.AddListener(&second);

    const TCalcCommondData record;
    const std::uint8_t codes[] = {ccModeRPN, ccModeALG, ccCopy, ccNone, 46, 255, ccDigit5, ccPlus};
    for (const std::uint8_t code : codes)
        engine.Execute(code, &record);
    ASSERT_EQ(seen.size(), 2 * std::size(codes));
    for (std::size_t i = 0; i < std::size(codes); ++i) {
        EXPECT_EQ(seen[2 * i].who, "first");
        EXPECT_EQ(seen[2 * i + 1].who, "second");
        EXPECT_EQ(seen[2 * i].code, codes[i]);
        EXPECT_EQ(seen[2 * i].data, &record);
    }
    EXPECT_TRUE(seen[12].entering);   // after the digit
    EXPECT_FALSE(seen[14].entering);  // after the operator

    engine.RemoveListener(&first);
    seen.clear();
    engine.Execute(ccNone);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].who, "second");
}

TEST_F(Engine, AListenerMayLeaveWhileItIsTold) {
    TCalcEngine engine;
    std::vector<std::string> told;
    TCommondProcessorEventObject leaving, staying;
    leaving.OnCommand = [&](std::uint8_t, const TCalcCommondData*, const TCalcStack&, bool) {
        told.push_back("leaving");
        engine.RemoveListener(&leaving);
    };
    staying.OnCommand = [&](std::uint8_t, const TCalcCommondData*, const TCalcStack&, bool) {
        told.push_back("staying");
    };
    engine.AddListener(&leaving);
    engine.AddListener(&staying);
    engine.Execute(ccDigit1);
    engine.Execute(ccDigit2);
    EXPECT_EQ(told, (std::vector<std::string>{"leaving", "staying", "staying"}));
}

TEST_F(Engine, CodesWithoutEffectChangeNothing) {
    TCalcEngine engine;
    Press(engine, "2 * ( 3 + 4");
    const ValueRef x = engine.Stack().X;
    for (const std::uint8_t code :
         {ccCopy, ccNone, std::uint8_t{46}, std::uint8_t{200}, ccModeALG}) {
        engine.Execute(code);
        EXPECT_EQ(engine.Stack().X, x);
        EXPECT_EQ(DisplayText(engine), "4");
        EXPECT_TRUE(engine.IsEntering());
        EXPECT_EQ(engine.Stack().Values.Count(), 2);
        EXPECT_EQ(engine.Stack().Ops.Count(), 1);
        EXPECT_EQ(engine.Stack().Pending, ccPlus);
        EXPECT_EQ(engine.Mode(), kModeALG);
    }
}

// Copy Value: what another program reads, never grouped, every digit, in
// whatever state the keypad is.
TEST_F(Engine, CopyValueTextOfEachState) {
    const struct {
        const char* keys;
        const char* copied;
    } rows[] = {
        {"", "0"},
        {"1 2 3 4 . 5", "1234.5"},            // being typed: as typed, not grouped
        {"1 2 3 4 5 6 7 =", "1234567"},       // X after =, not grouped
        {"2 / 3 =", "0.666666666666666667"},  // every digit
        {"paste:1E4000 =", "1E4000"},         // beyond double
        {"1 0 0 0 0 0 0 * 1 0 0 0 0 0 0 =", "1000000000000"},
    };
    for (const auto& row : rows) {
        TCalcEngine engine;
        Press(engine, row.keys);
        EXPECT_EQ(CopyValueText(engine), row.copied) << row.keys;
    }
}

TEST_F(Engine, ModeChangeKeepsTheNumberBeingTyped) {
    TCalcEngine engine;
    Press(engine, "1 2 RPN 3");
    EXPECT_EQ(engine.Mode(), kModeRPN);
    EXPECT_EQ(DisplayText(engine), "123");
    EXPECT_EQ(engine.Stack().Values.Count(), 0);
    Press(engine, "ALG 4");
    EXPECT_EQ(DisplayText(engine), "1,234");
    EXPECT_EQ(ModeText(engine), "ALG");
}

TEST_F(Engine, AnAlgebraicExpressionSurvivesASwitchToRpn) {
    TCalcEngine engine;
    Press(engine, "2 * ( 3 +");
    Press(engine, "RPN");
    const TCalcStack& stack = engine.Stack();
    EXPECT_EQ(stack.Values.Count(), 1);
    EXPECT_EQ(stack.Ops.Count(), 1);
    EXPECT_EQ(stack.Pending, ccPlus);
    EXPECT_EQ(CounterText(engine), "M=1");
    EXPECT_EQ(MemoryListing(stack, engine.IsEntering()).PendingText, "+");
    Press(engine, "+");  // RPN: lifts nothing, applies + to (2, 3)
    EXPECT_EQ(DisplayText(engine), "5");
    EXPECT_EQ(stack.Pending, ccNone);
    Press(engine, "4 *");  // pushes 5, then 5*4
    EXPECT_EQ(ExpressionText(engine), "(2+3)*4");
    EXPECT_EQ(stack.Ops.Count(), 1);  // the saved * stays for ALG
}

TEST_F(Engine, RpnOperatorOnAnEmptyStackKeepsALeftoverPendingOperator) {
    TCalcEngine engine;
    Press(engine, "7 + RPN -");
    EXPECT_EQ(engine.Stack().Pending, ccPlus);
    EXPECT_EQ(DisplayText(engine), "7");
    Press(engine, "C");
    EXPECT_EQ(engine.Stack().Pending, ccNone);
}

TEST_F(Engine, AnUnconvertibleExponentFailsBeforeTheListeners) {
    TCalcEngine engine;
    int notified = 0;
    TCommondProcessorEventObject listener;
    listener.OnCommand = [&](std::uint8_t, const TCalcCommondData*, const TCalcStack&, bool) {
        ++notified;
    };
    engine.AddListener(&listener);
    Press(engine, "1 e 9 9 9");
    EXPECT_EQ(notified, 5);
    const ValueRef x = engine.Stack().X;
    try {
        engine.Execute(ccDigit9);
        ADD_FAILURE() << "no failure";
    } catch (const ECalcError& error) {
        EXPECT_STREQ(error.what(), "'1e+9999' is not a valid floating point value");
    }
    EXPECT_EQ(notified, 5);
    EXPECT_EQ(engine.Stack().X, x);
    EXPECT_EQ(x->Number(), 1e999L);
    EXPECT_TRUE(engine.IsEntering());
    EXPECT_EQ(DisplayText(engine), "1E+9999");  // the editor keeps the characters
    Press(engine, "BS");
    EXPECT_EQ(DisplayText(engine), "1E+999");
    EXPECT_EQ(x->Number(), 1e999L);
    Press(engine, "+/- =");
    EXPECT_EQ(engine.Stack().X->Number(), 1e-999L);
}

TEST_F(Engine, AFailedPasteAtTheStartOfAnEntryLeavesEverything) {
    TCalcEngine engine;
    Press(engine, "2 +");
    const ValueRef x = engine.Stack().X;
    TCalcCommondData data;
    data.Text = "1" + std::string(5000, '0');
    EXPECT_THROW(engine.Execute(ccPaste, &data), ECalcError);
    EXPECT_EQ(engine.Stack().X, x);
    EXPECT_EQ(engine.Stack().Values.Count(), 0);
    EXPECT_EQ(engine.Stack().Pending, ccPlus);
    EXPECT_FALSE(engine.IsEntering());
    EXPECT_EQ(engine.GetInputor().GetText(0), "0");
    Press(engine, "3 =");
    EXPECT_EQ(ExpressionText(engine), "2+3");
}

TEST_F(Engine, ARefusedPasteAtTheStartOfAnEntryLeavesEverything) {
    for (const char* text : {"abc", "[2024-03-05]", "INF", "1 2"}) {
        SCOPED_TRACE(text);
        TCalcEngine engine;
        Press(engine, "2 +");
        const ValueRef x = engine.Stack().X;
        TCalcCommondData data;
        data.Text = text;
        engine.Execute(ccPaste, &data);
        EXPECT_EQ(engine.Stack().X, x);
        EXPECT_EQ(engine.Stack().Values.Count(), 0);
        EXPECT_EQ(engine.Stack().Pending, ccPlus);
        EXPECT_FALSE(engine.IsEntering());
        Press(engine, "3 =");
        EXPECT_EQ(ExpressionText(engine), "2+3");
    }
}

TEST_F(Engine, RecalledVariables) {
    struct Row {
        const char* before;
        const char* after;
        const char* display;
        const char* expression;
        int values;
    };
    const Row rows[] = {
        {"5 +", "", "15", "5+A", 0},
        {"2 + 0", "", "12", "2+A", 0},
        {"", "", "10", "A", 0},
        {"7 =", "", "10", "A", 0},
        {"3", "* 2 =", "20", "A*2", 0},
        {"2 * (", "+ 1 ) =", "22", "2*(A+1)", 0},
        {"RPN 3 Enter", "", "10", "A", 1},
        {"RPN 3", "+", "13", "3+A", 0},
        {"RPN", "", "10", "A", 0},
        {"RPN 3 Enter 0", "", "10", "A", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.before) + " [A] " + row.after);
        const ValueRef a = TCalcValue::New(10);
        a->SetName("A");
        TCalcEngine engine;
        Press(engine, row.before);
        Recall(engine, a);
        EXPECT_FALSE(engine.IsEntering());
        Press(engine, row.after);
        EXPECT_EQ(DisplayText(engine), row.display);
        EXPECT_EQ(ExpressionText(engine), row.expression);
        EXPECT_EQ(engine.Stack().Values.Count(), row.values);
        Press(engine, "C");
        EXPECT_TRUE(a->IsNamed());  // clear leaves the variable alone
        EXPECT_EQ(a->Number(), 10);
    }
}

TEST_F(Engine, InsertedValuesBecomeXThemselves) {
    const ValueRef day = TCalcValue::NewDate(2);  // 1900-01-01
    TCalcCommondData data;
    data.Value = day;

    TCalcEngine alg;
    Press(alg, "5 +");
    alg.Execute(ccInsertValue, &data);
    EXPECT_EQ(alg.Stack().X->Number(), 7);  // applied at once
    EXPECT_EQ(ExpressionText(alg), "5+[1900-01-01]");

    TCalcEngine rpn(kModeRPN);
    Press(rpn, "5 Enter");
    rpn.Execute(ccInsertValue, &data);
    EXPECT_EQ(rpn.Stack().X, day);
    EXPECT_EQ(DisplayText(rpn), "[1900-01-01]");
    Press(rpn, "1 +");
    EXPECT_EQ(DisplayText(rpn), "[1900-01-02]");
    EXPECT_EQ(CounterText(rpn), "M=1");

    TCalcEngine empty;
    empty.Execute(ccInsertValue, nullptr);  // no record: nothing happens
    empty.Execute(ccInsertReference, &data);
    EXPECT_EQ(ExpressionText(empty), "[1900-01-01]");
}

TEST_F(Engine, ReferenceXShowsTheVariableName) {
    TCalcEngine engine;
    Press(engine, "2 + 3 =");
    const ValueRef result = engine.Stack().X;
    result->SetName("Total");  // as the variable set does when X is added
    engine.Execute(ccReferenceX);
    EXPECT_EQ(ExpressionText(engine), "Total");
    Press(engine, "* 2 =");
    EXPECT_EQ(ExpressionText(engine), "Total*2");
    EXPECT_EQ(DisplayText(engine), "10");
}

TEST_F(Engine, UserFunctionsApplyToX) {
    TCalcEngine engine;
    Press(engine, "4");
    TCalcCommondData data;
    data.FuncName = "Twice";
    engine.Execute(ccUserFunction, &data);
    EXPECT_FALSE(engine.IsEntering());
    EXPECT_EQ(ExpressionText(engine), "Twice(4)");
}

TEST_F(Engine, MemoryListing) {
    TCalcEngine engine;
    Press(engine, "2 * ( 3 + ( 4 - 5");
    const TMemoryListing listing = MemoryListing(engine.Stack(), engine.IsEntering());
    EXPECT_TRUE(listing.HasX);
    EXPECT_EQ(listing.XValue, "5");
    EXPECT_EQ(listing.XFormula, "5");
    EXPECT_TRUE(listing.Entering);
    EXPECT_EQ(listing.PendingText, "-");
    EXPECT_EQ(listing.OpsText, "*,+,");
    ASSERT_EQ(listing.Entries.size(), 3u);
    EXPECT_EQ(listing.Entries[0].Label, "X0");
    EXPECT_EQ(listing.Entries[0].Value, "4");
    EXPECT_EQ(listing.Entries[2].Label, "X2");
    EXPECT_EQ(listing.Entries[2].Value, "2");
    EXPECT_EQ(CounterText(engine), "(=2");
    EXPECT_EQ(OperatorStackTexts(engine.Stack()), (std::vector<std::string>{"*", "+"}));

    Press(engine, "C 1234 * 1000 =");
    const TMemoryListing done = MemoryListing(engine.Stack(), engine.IsEntering());
    EXPECT_FALSE(done.Entering);
    EXPECT_EQ(done.XValue, "1234000");  // plain, not grouped
    EXPECT_EQ(DisplayText(engine), "1,234,000");
    EXPECT_TRUE(done.Entries.empty());
    EXPECT_EQ(done.OpsText, "");
    EXPECT_EQ(done.PendingText, "");
}

}  // namespace
}  // namespace quillix::test

namespace quillix {
namespace {

TEST(MemoryViewRules, TheListIsRebuiltExceptBetweenDigits) {
    EXPECT_TRUE(MemoryListNeedsRebuild(ccDigit1, ccNone));
    EXPECT_FALSE(MemoryListNeedsRebuild(ccDigit2, ccDigit1));
    EXPECT_FALSE(MemoryListNeedsRebuild(ccDigit000, ccDigit00));
    EXPECT_TRUE(MemoryListNeedsRebuild(ccDecimalPoint, ccDigit1));
    EXPECT_TRUE(MemoryListNeedsRebuild(ccDigit1, ccPlus));
    EXPECT_EQ(MemoryRowCount(8, 3), 8);
    EXPECT_EQ(MemoryRowCount(8, 12), 12);
}

}  // namespace
}  // namespace quillix
