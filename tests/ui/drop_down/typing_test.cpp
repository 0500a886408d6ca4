// SPDX-License-Identifier: GPL-3.0-or-later
// The number field's typing rules, its Delete key and paste, as a user types.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "calc_drop_down.h"
#include "model/calc_operate.h"
#include "support/ui_environment.h"

namespace quillix {
namespace {

using test::TUiEnvironment;

// What the field starts from before the keys are typed.
enum class TStart { Empty, Date, Error, Variable };

struct TTypingRow {
    const char* name;
    TStart start;
    const char* keys;
    const char* text;  // the edit's text afterwards
    long double number;
    int beeps;
    std::uint8_t kind = cvNumber;
};

class DropDownTyping : public ::testing::TestWithParam<TTypingRow> {};

TEST_P(DropDownTyping, FollowsTheNumberRules) {
    const TTypingRow& row = GetParam();
    TUiEnvironment env;
    env.Vars().Add("a", TCalcValue::New(42));
    TCalcDropDown field;
    switch (row.start) {
        case TStart::Empty:
            field.Edit()->clear();
            break;
        case TStart::Date:
            field.AssignNumber(cvDate, 45000);
            break;
        case TStart::Error: {
            ValueRef error = TCalcValue::New();
            error->SetError("Floating point division by zero");
            field.AssignValue(*error);
            break;
        }
        case TStart::Variable:
            field.TakeOver(env.Vars().GetValue("a")->MakeReference());
            break;
    }
    QTest::keyClicks(field.Edit(), row.keys);
    EXPECT_EQ(field.Edit()->text().toStdString(), row.text);
    EXPECT_EQ(field.Value().Number(), row.number);
    EXPECT_EQ(field.Value().CVType(), row.kind);
    EXPECT_EQ(env.Prompts().Beeps(), row.beeps);
    EXPECT_EQ(field.Value().Operate(), nullptr) << "typing starts a plain number";
}

const TTypingRow kTypingRows[] = {
    {"SecondPointRefused", TStart::Empty, "1.2.", "1.2", 1.2L, 1},
    {"MinusAfterDigitKeepsNumber", TStart::Empty, "5-", "5-", 5, 0},
    {"SecondMinusRefused", TStart::Empty, "5--", "5-", 5, 1},
    {"HalfExponentKeepsNumber", TStart::Empty, "1e", "1e", 1, 0},
    {"Exponent", TStart::Empty, "1e5", "1e5", 100000, 0},
    {"SecondExponentLetterRefused", TStart::Empty, "1eE5", "1e5", 100000, 1},
    {"NegativeExponentNotTaken", TStart::Empty, "2e-3", "2e-3", 2, 0},
    {"LetterRefused", TStart::Empty, "4x2", "42", 42, 1},
    {"BlankRefused", TStart::Empty, "4 ", "4", 4, 1},
    {"DateEmptiedByFirstKey", TStart::Date, "7", "7", 7, 0},
    {"ErrorEmptiedByFirstKey", TStart::Error, "8", "8", 8, 0},
    {"DateRefusesALetterWithoutEmptying", TStart::Date, "x", "[2023-03-15]", 45000, 1, cvDate},
    {"VariableTurnsIntoPlainNumber", TStart::Variable, "1", "421", 421, 0},
};

INSTANTIATE_TEST_SUITE_P(Keys, DropDownTyping, ::testing::ValuesIn(kTypingRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DropDownDelete, ClearsThroughTheCalculatorToAPlainZero) {
    TUiEnvironment env;
    TCalcDropDown field;
    field.TakeOver(TCalcValue::New(7)->MakeReference());
    QTest::keyClick(field.Edit(), Qt::Key_Delete);
    EXPECT_TRUE(field.IsTextEmpty());
    EXPECT_EQ(field.Value().Number(), 0);
    EXPECT_EQ(field.Value().Operate(), nullptr);
    EXPECT_TRUE(field.HasCalcWindow());
    EXPECT_EQ(env.Prompts().Beeps(), 0);
}

TEST(DropDownPaste, PastesTheClipboardAsANumberThroughTheCalculator) {
    TUiEnvironment env;
    TCalcDropDown field;
    QApplication::clipboard()->setText("-1,234.5");
    QTest::keyClick(field.Edit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.Value().Number(), -1234.5L);
    EXPECT_EQ(field.Edit()->text().toStdString(), "-1234.5");
}

TEST(DropDownPaste, AnExponentPastesToo) {
    struct Row {
        const char* clipboard;
        long double number;
    };
    const Row rows[] = {{"1e5", 100000}, {"-2.5E-3\n", -0.0025L}, {"12,345.5", 12345.5L}};
    for (const Row& row : rows) {
        TUiEnvironment env;
        TCalcDropDown field;
        QApplication::clipboard()->setText(row.clipboard);
        QTest::keyClick(field.Edit(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(field.Value().Number(), row.number) << row.clipboard;
    }
}

TEST(DropDownPaste, ReplacesAPickedVariableByAPlainNumber) {
    TUiEnvironment env;
    env.Vars().Add("rate", TCalcValue::New(0.05L));
    TCalcDropDown field;
    field.TakeOver(env.Vars().GetValue("rate")->MakeReference());
    QApplication::clipboard()->setText("2.5");
    QTest::keyClick(field.Edit(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(field.Value().Number(), 2.5L);
    EXPECT_EQ(field.Value().Operate(), nullptr);
    EXPECT_EQ(field.toolTip().toStdString(), "2.5");
    EXPECT_EQ(env.Vars().GetValue("rate")->Number(), 0.05L) << "the variable is untouched";
}

}  // namespace
}  // namespace quillix
