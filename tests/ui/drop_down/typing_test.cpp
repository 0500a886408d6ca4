// SPDX-License-Identifier: GPL-3.0-or-later
// The number field's typing rules, its Delete key and paste, as a user types.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "drop_down/calc_drop_down.h"
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

// A key as the X11 keyboard delivers it: Tab carries "\t", Ctrl+A the
// control character 1, arrows and Home no text at all.
struct TKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

void SendKey(QWidget* widget, const TKey& key) {
    QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, QString::fromLatin1(key.text));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key.key, key.modifiers, QString::fromLatin1(key.text));
    QApplication::sendEvent(widget, &release);
}

const TKey kPassingKeys[] = {
    {"Tab", Qt::Key_Tab, Qt::NoModifier, "\t"},
    {"Backtab", Qt::Key_Backtab, Qt::ShiftModifier, "\t"},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b"},
    {"Enter", Qt::Key_Return, Qt::NoModifier, "\r"},
    {"SelectAll", Qt::Key_A, Qt::ControlModifier, "\x01"},
    {"Copy", Qt::Key_C, Qt::ControlModifier, "\x03"},
    {"Left", Qt::Key_Left, Qt::NoModifier, ""},
    {"ShiftHome", Qt::Key_Home, Qt::ShiftModifier, ""},
    {"ShiftEnd", Qt::Key_End, Qt::ShiftModifier, ""},
};

// A date, a formula or a reference survives every key that does not edit the
// text: a runner input or a "Return" argument keeps what it holds.
TEST(DropDownPassingKeys, LeaveADateAFormulaAndAReferenceAsTheyAre) {
    for (const TStart start : {TStart::Date, TStart::Variable, TStart::Error}) {
        for (const TKey& key : kPassingKeys) {
            SCOPED_TRACE(key.name);
            TUiEnvironment env;
            env.Vars().Add("a", TCalcValue::New(42));
            TCalcDropDown field;
            if (start == TStart::Date) field.AssignNumber(cvDate, 45000);
            if (start == TStart::Variable)
                field.TakeOver(env.Vars().GetValue("a")->MakeReference());
            if (start == TStart::Error) {
                ValueRef error = TCalcValue::New();
                error->SetError("Floating point division by zero");
                field.AssignValue(*error);
            }
            const QString text = field.Edit()->text();
            const QString hint = field.toolTip();
            const std::uint8_t kind = field.Value().CVType();
            const bool hasFormula = field.Value().Operate() != nullptr;
            SendKey(field.Edit(), key);
            EXPECT_EQ(field.Edit()->text(), text);
            EXPECT_EQ(field.Value().CVType(), kind);
            EXPECT_EQ(field.Value().Operate() != nullptr, hasFormula);
            EXPECT_EQ(field.toolTip(), hint);
            EXPECT_EQ(env.Prompts().Beeps(), 0);
        }
    }
}

// Keys that do change the text still start a plain number.
TEST(DropDownEditingKeys, TurnADateOrAReferenceIntoAPlainNumber) {
    const TKey editing[] = {
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b"},
        {"Cut", Qt::Key_X, Qt::ControlModifier, "\x18"},
        {"DeleteWordBack", Qt::Key_Backspace, Qt::ControlModifier, ""},
    };
    for (const TKey& key : editing) {
        SCOPED_TRACE(key.name);
        TUiEnvironment env;
        env.Vars().Add("a", TCalcValue::New(42));
        TCalcDropDown dateField;
        dateField.AssignNumber(cvDate, 45000);
        SendKey(dateField.Edit(), key);
        EXPECT_EQ(dateField.Value().CVType(), cvNumber);
        EXPECT_TRUE(dateField.IsTextEmpty());
        TCalcDropDown refField;
        refField.TakeOver(env.Vars().GetValue("a")->MakeReference());
        SendKey(refField.Edit(), key);
        EXPECT_EQ(refField.Value().Operate(), nullptr);
        EXPECT_EQ(env.Prompts().Beeps(), 0);
    }
}

// A complete number beyond the range says why it is not taken; the characters
// stay and the next change converts again.
TEST(DropDownTyping, ANumberThatCannotBeConvertedSaysWhy) {
    TUiEnvironment env;
    env.Prompts().ExpectMessages();
    TCalcDropDown field;
    field.Edit()->clear();
    QTest::keyClicks(field.Edit(), "1e9999");
    EXPECT_EQ(env.Prompts().Messages(),
              QStringList{"'1e9999' is not a valid floating point value"});
    EXPECT_EQ(field.Edit()->text(), "1e9999");
    EXPECT_EQ(field.Value().Number(), 1e999L);
    QTest::keyClick(field.Edit(), Qt::Key_Backspace);
    EXPECT_EQ(field.Value().Number(), 1e999L);
    EXPECT_EQ(env.Prompts().Messages().size(), 1);
}

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
