// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the worked sequences and edge cases, one row each: the keys from
// a fresh engine, then what the value display, the expression line, the depth
// counter and the pending operator show afterwards.

#include <gtest/gtest.h>

#include <span>

#include "engine/engine_readback.h"
#include "engine_keys.h"

namespace quillix::test {
namespace {

struct KeyRow {
    const char* keys;
    const char* display;
    const char* expression;
    const char* counter;
    const char* pending;
};

void CheckRows(std::span<const KeyRow> rows, const char* prefix) {
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(row.keys);
        TCalcEngine engine;
        Press(engine, prefix);
        Press(engine, row.keys);
        EXPECT_EQ(DisplayText(engine), row.display);
        EXPECT_EQ(ExpressionText(engine), row.expression);
        EXPECT_EQ(CounterText(engine), row.counter);
        EXPECT_EQ(OperatorText(engine.Stack().Pending), row.pending);
    }
}

using KeySequences = EngineTest;

TEST_F(KeySequences, Algebraic) {
    const KeyRow rows[] = {
        // The worked sequences.
        {"2 + 3 * 4 =", "20", "(2+3)*4", "(=0", ""},
        {"2 * ( 3 + 4 ) =", "14", "2*(3+4)", "(=0", ""},
        {"7 = 3", "3", "3", "(=0", ""},
        {"2 + =", "2", "2", "(=0", "+"},
        {"2 + 3 = * 4 =", "20", "(2+3)*4", "(=0", ""},
        // Parentheses.
        {"2 * (", "0", "0", "(=1", ""},
        {"2 * ( 3", "3", "3", "(=1", ""},
        {"( 5", "5", "5", "(=0", ""},
        {"2 + 3 )", "5", "2+3", "(=0", ""},
        {"2 + 3 ) ) =", "5", "2+3", "(=0", ""},
        {"2 * ( 3 + ( 4 - 1 ) ) =", "12", "2*(3+4-1)", "(=0", ""},
        {"8 - ( 2 - 1 ) =", "7", "8-(2-1)", "(=0", ""},
        {"2 * ( 3 + C", "0", "0", "(=0", ""},
        // Strictly left to right.
        {"2 * 3 + 4 =", "10", "2*3+4", "(=0", ""},
        {"12 + 3 - 4 =", "11", "12+3-4", "(=0", ""},
        {"2 ^ 3 ^ 2 =", "64", "(2^3)^2", "(=0", ""},
        {"- 5 =", "-5", "0-5", "(=0", ""},
        {"3 + 4 = =", "7", "3+4", "(=0", ""},
        // Sign, percent.
        {"5 + +/- 3 =", "3", "3", "(=0", ""},
        {"5 + +/-", "-5", "-5", "(=0", ""},
        {"7 = +/- +/-", "7", "-(-7)", "(=0", ""},
        {"2 * ( +/-", "-0", "-0", "(=1", ""},
        {"200 + 10 %", "20", "200*10%", "(=0", "+"},
        {"200 + 10 % =", "220", "200+200*10%", "(=0", ""},
        {"50 %", "50", "50", "(=0", ""},
        // Number entry inside a calculation.
        {"5 = .", "5", "5", "(=0", ""},
        {"5 = BS", "5", "5", "(=0", ""},
        {"5 = e", "5", "5", "(=0", ""},
        {"0 .", "0.", "0.", "(=0", ""},
        {"2 + . 5 =", "7", "2+5", "(=0", ""},
        {"00 5", "5", "5", "(=0", ""},
        {"5 000", "5,000", "5,000", "(=0", ""},
        {"5 BS", "0", "0", "(=0", ""},
        {"1 . 5 e 3", "1.5E+3", "1.5E+3", "(=0", ""},
        {"1 . 5 e 3 BS BS BS BS", "1", "1", "(=0", ""},
        {"1 e", "1E+", "1E+", "(=0", ""},
        {"1 e 5 +/-", "1E-5", "1E-5", "(=0", ""},
        {"1234567 + 1 =", "1,234,568", "1234567+1", "(=0", ""},
        {"paste:-1,234.5", "-1,234.5", "-1,234.5", "(=0", ""},
        {"2 + paste:3 =", "5", "2+3", "(=0", ""},
        {"2 + paste:1e5", "1E+5", "1E+5", "(=0", "+"},
        {"2 + paste:1.5E-07 =", "2.00000015", "2+1.5E-07", "(=0", ""},
        // A refused paste leaves the calculation as it was.
        {"2 + paste:abc", "2", "2", "(=0", "+"},
        {"2 + paste:abc 3 =", "5", "2+3", "(=0", ""},
        {"5 paste:[2024-03-05]", "5", "5", "(=0", ""},
        // Functions and the other operators.
        {"9 Sqrt", "3", "Sqrt(9)", "(=0", ""},
        {"5 + 4 Sqrt =", "7", "5+Sqrt(4)", "(=0", ""},
        {"2 1/x", "0.5", "Recip(2)", "(=0", ""},
        {"5 Not", "0", "Not(5)", "(=0", ""},
        {"1 / 0 =", "Floating point division by zero", "1/0", "(=0", ""},
        {"1 / 0 = + 1 =", "Floating point division by zero", "1/0+1", "(=0", ""},
        {"2 ^ 10 =", "1,024", "2^10", "(=0", ""},
        {"7 Mod 3 =", "1", "7 Mod 3", "(=0", ""},
        {"1 + 2 == 3 =", "1", "1+2==3", "(=0", ""},
        {"6 Xor 3 =", "5", "6 Xor 3", "(=0", ""},
        {"3 < 4 And 1 =", "1", "(3<4) And 1", "(=0", ""},
        {"2 <> 2 =", "0", "2<>2", "(=0", ""},
        {"2 >= 2 =", "1", "2>=2", "(=0", ""},
        {"2 * 3 %", "0.06", "2*3%", "(=0", "*"},
    };
    CheckRows(rows, "");
}

TEST_F(KeySequences, ReversePolish) {
    const KeyRow rows[] = {
        // The worked sequences.
        {"3 Enter 4 +", "7", "3+4", "M=0", ""},
        {"3 Enter 4 + 5 *", "35", "(3+4)*5", "M=0", ""},
        {"2 Enter 3 Enter 4 * -", "-10", "2-3*4", "M=0", ""},
        {"3 Enter Enter +", "3", "3", "M=0", ""},
        {"2 Enter 16 Sqrt", "4", "Sqrt(16)", "M=1", ""},
        {"100 Enter 10 %", "10", "100*10%", "M=1", ""},
        {"100 Enter 10 % +", "110", "100+100*10%", "M=0", ""},
        // Edge cases.
        {"5 +", "5", "5", "M=0", ""},
        {"3 ( 4 )", "34", "34", "M=0", ""},
        {"3 Enter", "3", "3", "M=0", ""},
        {"3 Enter 4", "4", "4", "M=1", ""},
        {"3 Enter 4 Enter 5", "5", "5", "M=2", ""},
        {"3 Enter 4 + 2", "2", "2", "M=1", ""},
        {"3 Enter +/-", "-3", "-3", "M=0", ""},
        {"4 Enter . 5", "5", "5", "M=1", ""},
        {"1 e 5", "1E+5", "1E+5", "M=0", ""},
        {"3 Enter paste:1E20", "1E+20", "1E+20", "M=1", ""},
        {"3 Enter paste:INF", "3", "3", "M=0", ""},
        {"5 Enter 3 C", "0", "0", "M=0", ""},
        {"9 Sqrt 2 +", "5", "Sqrt(9)+2", "M=0", ""},
        {"2 Enter 3 ^", "8", "2^3", "M=0", ""},
        {"7 Enter 2 Mod", "1", "7 Mod 2", "M=0", ""},
        {"1 Enter 0 /", "Floating point division by zero", "1/0", "M=0", ""},
        {"1 Enter 2 <", "1", "1<2", "M=0", ""},
        {"50 %", "50", "50", "M=0", ""},
    };
    CheckRows(rows, "RPN");
}

}  // namespace
}  // namespace quillix::test
