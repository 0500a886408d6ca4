// SPDX-License-Identifier: GPL-3.0-or-later
// What makes a line on the tape: keys from a fresh engine, one row each, and
// the tape they leave; then the values the lines keep for inserting again.

#include "tape/tape_recorder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/engine/engine_keys.h"
#include "model/operate_func.h"
#include "tape/tape_recall.h"

namespace quillix::test {
namespace {

using TapeRecorder = EngineTest;

struct RecordRow {
    const char* keys;
    const char* tape;
};

void CheckRows(std::initializer_list<RecordRow> rows, std::uint8_t style) {
    for (const RecordRow& row : rows) {
        SCOPED_TRACE(row.keys);
        TCalcEngine engine;
        engine.Execute(style);
        TTape tape;
        const TTapeRecorder recorder(engine, tape);
        Press(engine, row.keys);
        EXPECT_EQ(TapeText(tape), row.tape);
    }
}

TEST_F(TapeRecorder, CompletedCalculationsMakeLines) {
    CheckRows(
        {
            // ALG: "=" and functions; operators on the way make no line.
            {"2 + 3 =", "2+3 = 5\n"},
            {"2 + 3 = =", "2+3 = 5\n"},
            {"2 + 3 * 4 =", "(2+3)*4 = 20\n"},
            {"2 + 3 = + 1 =", "2+3 = 5\n2+3+1 = 6\n"},
            {"9 Sqrt", "Sqrt(9) = 3\n"},
            {"9 Sqrt =", "Sqrt(9) = 3\n"},
            {"9 Sqrt + 1 =", "Sqrt(9) = 3\nSqrt(9)+1 = 4\n"},
            {"200 + 10 % =", "200+200*10% = 220\n"},
            {"1 / 0 =", "1/0 = Floating point division by zero\n"},
            {"7 =", ""},
            {"5 +/- =", ""},
            {"2 + 3 C", ""},
            // Classic RPN: each operator that applies, percent and functions.
            {"RPN 2 Enter 3 +", "2+3 = 5\n"},
            {"RPN 2 Enter 3 Enter 4 * -", "3*4 = 12\n2-3*4 = -10\n"},
            {"RPN 100 Enter 10 %", "100*10% = 10\n"},
            {"RPN 16 Sqrt", "Sqrt(16) = 4\n"},
            {"RPN 3 Enter Enter +", ""},
            {"RPN 3 Enter =", ""},
        },
        ccStyleClassic);
    CheckRows(
        {
            {"RPN 3 Enter Enter +", "3+3 = 6\n"},
            {"RPN 5 -", "0-5 = -5\n"},
            {"RPN 9 Sqrt LastX +", "Sqrt(9) = 3\nSqrt(9)+9 = 12\n"},
            {"RPN 1 Enter 2 x↔y R↓ Drop LastX", ""},
        },
        ccStyleStack);
}

TEST_F(TapeRecorder, AStoredVariableMakesALineThatRecallsIt) {
    TCalcEngine engine;
    TTape tape;
    const TTapeRecorder recorder(engine, tape, [] { return std::int64_t{1700000000000}; });
    Press(engine, "2 + 3 =");
    const ValueRef total = engine.Stack().X;
    total->SetName("Total");  // as the variable set does when X is added
    engine.Execute(ccReferenceX);
    EXPECT_EQ(TapeText(tape), "2+3 = 5\nTotal = 5\n");
    EXPECT_EQ(tape.At(1).Time, 1700000000000);
    EXPECT_EQ(tape.At(1).Value, total);
    Press(engine, "=");  // X only shows the variable: nothing new
    EXPECT_EQ(tape.Count(), 2);
    Press(engine, "* 2 =");
    EXPECT_EQ(TapeLineText(tape.At(2)), "Total*2 = 10");
}

TEST_F(TapeRecorder, RecallingIsNoCalculationButAFinishedFunctionIs) {
    TCalcEngine engine;
    TTape tape;
    const TTapeRecorder recorder(engine, tape);
    const ValueRef a = Var("A", Num(10));
    Recall(engine, a);
    Press(engine, "=");
    EXPECT_EQ(tape.Count(), 0);

    // A value a dialog built, inserted into a calculation in progress.
    auto node = std::make_unique<TCalcOperateFunc>(static_cast<std::uint8_t>(FindFuncID("Sqrt")));
    node->AddOperand(Num(16));
    Press(engine, "C 2 +");
    Recall(engine, TCalcValue::NewComputed(std::move(node)));
    Press(engine, "=");
    EXPECT_EQ(TapeText(tape), "Sqrt(16) = 4\n2+Sqrt(16) = 6\n");
}

TEST_F(TapeRecorder, ALineInsertedAgainShowsItsFormulaAndMakesNoLine) {
    TCalcEngine engine;
    TTape tape;
    const TTapeRecorder recorder(engine, tape);
    Press(engine, "2 + 3 = * 4 =");
    ASSERT_EQ(tape.Count(), 2);
    // X went on into the product; the first line still holds 2+3.
    InsertTapeLine(engine, tape, 0, nullptr);
    EXPECT_EQ(engine.Stack().X->GetFormulaText(), "2+3");
    Press(engine, "=");
    EXPECT_EQ(tape.Count(), 2);
    Press(engine, "+ 1 =");
    EXPECT_EQ(TapeLineText(tape.At(2)), "2+3+1 = 6");

    TCalcEngine rpn(kModeRPN);
    const TTapeRecorder rpnRecorder(rpn, tape);
    Press(rpn, "7 Enter");
    InsertTapeLine(rpn, tape, 1, nullptr);
    EXPECT_EQ(tape.Count(), 3);
    Press(rpn, "+");
    EXPECT_EQ(TapeLineText(tape.At(3)), "7+(2+3)*4 = 27");
}

TEST_F(TapeRecorder, AVeryLongFormulaIsCutOnTheTape) {
    TCalcEngine engine;
    TTape tape;
    const TTapeRecorder recorder(engine, tape);
    for (int i = 0; i < 3000; ++i)
        Press(engine, "1 +");
    Press(engine, "1 =");
    ASSERT_EQ(tape.Count(), 1);
    const std::string& formula = tape.At(0).Formula;
    EXPECT_EQ(formula.size(), kTapeFormulaLimit + std::string("\u2026").size());
    EXPECT_EQ(formula.substr(0, 6), "1+1+1+");
    EXPECT_EQ(tape.At(0).Shown, "3,001");
    // The line's own value keeps the whole tree.
    EXPECT_EQ(tape.At(0).Value->GetFormulaText().size(), 6001u);
}

TEST(TapeFormula, IsCutAtACharacterBoundary) {
    const std::string wide = "\u00e9";  // two bytes
    const std::string formula = std::string(kTapeFormulaLimit - 1, 'a') + wide + "bc";
    const std::string cut = CappedTapeFormula(formula);
    EXPECT_EQ(cut, std::string(kTapeFormulaLimit - 1, 'a') + "\u2026");
    EXPECT_EQ(CappedTapeFormula("1+2"), "1+2");
}

}  // namespace
}  // namespace quillix::test
