// SPDX-License-Identifier: GPL-3.0-or-later
// The two drop-down windows of the number field: the calculator that gives its
// X back with the formula, and the coloured list of variables.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>

#include "drop_down/calc_drop_down.h"
#include "drop_down/drop_down_calc.h"
#include "drop_down/drop_down_vars.h"
#include "keypad/keypad_frame.h"
#include "model/calc_operate.h"
#include "support/ui_environment.h"
#include "vars/calc_vars.h"

namespace quillix {
namespace {

using test::TUiEnvironment;

void Press(Tfrm_DropDownCalc& calc, std::initializer_list<std::uint8_t> codes) {
    for (const std::uint8_t code : codes)
        calc.Keypad().Keypad().PressCommand(code, nullptr);
}

QPushButton* Button(QWidget& window, const char* caption) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

TEST(DropDownCalc, StartsFromTheFieldAndGivesXBackWithItsFormulaOnOk) {
    TUiEnvironment env;
    TCalcDropDown field;
    field.AssignNumber(cvNumber, 2);
    field.DropDownCalculator();
    Tfrm_DropDownCalc& calc = field.CalcWindow();
    ASSERT_TRUE(calc.isVisible());
    EXPECT_EQ(calc.Keypad().Engine().Stack().X->Number(), 2);
    Press(calc, {ccPlus, ccDigit0 + 3});
    Button(calc, "&OK")->click();
    EXPECT_FALSE(calc.isVisible());
    EXPECT_EQ(field.Value().Number(), 5);
    EXPECT_EQ(field.Value().GetFormulaText(), "2+3");
    EXPECT_EQ(field.Edit()->text().toStdString(), "5");
    EXPECT_EQ(field.toolTip().toStdString(), "2+3");
}

TEST(DropDownCalc, CancelLeavesTheFieldAsItWas) {
    TUiEnvironment env;
    TCalcDropDown field;
    field.AssignNumber(cvNumber, 2);
    field.DropDownCalculator();
    Press(field.CalcWindow(), {ccDigit0 + 9});
    Button(field.CalcWindow(), "&Cancel")->click();
    EXPECT_FALSE(field.CalcWindow().isVisible());
    EXPECT_EQ(field.Value().Number(), 2);
    EXPECT_EQ(field.Edit()->text().toStdString(), "2");
}

TEST(DropDownCalc, AssigningAValueReloadsAnExistingCalculator) {
    TUiEnvironment env;
    TCalcDropDown field;
    field.CalcWindow();
    field.AssignNumber(cvNumber, 7);
    EXPECT_EQ(field.CalcWindow().Keypad().Engine().Stack().X->Number(), 7);
}

TEST(DropDownCalc, HotKeysOnlyWhileShown) {
    TUiEnvironment env;
    TCalcDropDown field;
    field.DropDownCalculator();
    EXPECT_TRUE(field.CalcWindow().Keypad().HotkeysRegistered());
    field.CalcWindow().hide();
    EXPECT_FALSE(field.CalcWindow().Keypad().HotkeysRegistered());
}

// Losing the activation hides the window, except while a dialog of its keypad
// is open.
TEST(DropDownCalc, StaysOpenWhileItsKeypadShowsADialog) {
    struct Row {
        const char* name;
        bool dialogOpen;
        bool visibleAfter;
    };
    const Row rows[] = {{"no dialog", false, false}, {"dialog open", true, true}};
    for (const Row& row : rows) {
        TUiEnvironment env;
        QWidget other;
        other.show();
        TCalcDropDown field;
        field.DropDownCalculator();
        Tfrm_DropDownCalc& calc = field.CalcWindow();
        QApplication::setActiveWindow(&calc);
        if (row.dialogOpen) emit calc.Keypad().beginModal();
        QApplication::setActiveWindow(&other);
        EXPECT_EQ(calc.isVisible(), row.visibleAfter) << row.name;
        if (row.dialogOpen) {
            emit calc.Keypad().endModal();
            EXPECT_TRUE(calc.AutoHide());
        }
    }
}

TEST(DropDownVars, ListsTheVariablesColouredByKindAndSign) {
    TUiEnvironment env;
    env.Vars().Add("up", TCalcValue::New(5));
    env.Vars().Add("down", TCalcValue::New(-3));
    env.Vars().Add("zero", TCalcValue::New(0));
    env.Vars().Add("when", TCalcValue::NewDate(45000));
    TCalcDropDown field;
    field.DropDownVariables();
    QTableWidget* list = field.VarsWindow().List();
    ASSERT_EQ(list->rowCount(), 4);
    struct Row {
        const char* name;
        const char* value;
        QColor colour;
    };
    const Row rows[] = {{"up", "5", QColor(0, 0, 255)},
                        {"down", "-3", QColor(255, 0, 0)},
                        {"zero", "0", QColor(0, 0, 255)},
                        {"when", "[2023-03-15]", QColor(0, 0, 128)}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list->item(i, 0)->text().toStdString(), rows[i].name);
        EXPECT_EQ(list->item(i, 1)->text().toStdString(), rows[i].value);
        EXPECT_EQ(list->item(i, 1)->foreground().color(), rows[i].colour) << rows[i].name;
    }
}

TEST(DropDownVars, PickingARowMakesTheFieldReferToTheVariable) {
    TUiEnvironment env;
    env.Vars().Add("a", TCalcValue::New(1));
    env.Vars().Add("rate", TCalcValue::New(0.25L));
    TCalcDropDown field;
    field.DropDownVariables();
    Tfrm_DropDownVars& vars = field.VarsWindow();
    vars.List()->selectRow(1);
    vars.PickSelected();
    EXPECT_FALSE(vars.isVisible());
    EXPECT_EQ(field.Value().Number(), 0.25L);
    EXPECT_EQ(field.Edit()->text().toStdString(), "0.25");
    EXPECT_EQ(field.toolTip().toStdString(), "rate");
    // The reference follows the variable.
    env.Vars().SetValue("rate", TCalcValue::New(0.5L));
    EXPECT_EQ(field.Value().Number(), 0.5L);
}

TEST(DropDownVars, NoRowSelectedOnlyHides) {
    TUiEnvironment env;
    env.Vars().Add("a", TCalcValue::New(1));
    TCalcDropDown field;
    field.AssignNumber(cvNumber, 9);
    field.DropDownVariables();
    field.VarsWindow().List()->clearSelection();
    field.VarsWindow().PickSelected();
    EXPECT_FALSE(field.VarsWindow().isVisible());
    EXPECT_EQ(field.Value().Number(), 9);
}

// A field that holds a variable or a formula reads apart from a typed
// number: in italics, with the formula or the variable's name as its hint.
TEST(NumberField, AVariableOrAFormulaShowsApartFromANumber) {
    TUiEnvironment env;
    ASSERT_TRUE(env.Vars().Add("rate", TCalcValue::New(5)));
    TCalcDropDown field;
    const struct {
        const char* what;
        std::function<void()> put;
        bool italic;
        const char* hint;
    } rows[] = {
        {"typed number", [&] { field.AssignNumber(cvNumber, 2); }, false, ""},
        {"variable", [&] { field.TakeOver(env.Vars().GetValue("rate")->MakeReference()); }, true,
         "rate"},
        {"formula",
         [&] {
             field.DropDownCalculator();
             Press(field.CalcWindow(), {ccPlus, ccDigit0 + 3});
             Button(field.CalcWindow(), "&OK")->click();
         },
         true, "rate+3"},
        {"typed again", [&] { QTest::keyClicks(field.Edit(), "7"); }, false, ""},
    };
    for (const auto& row : rows) {
        row.put();
        EXPECT_EQ(field.Edit()->font().italic(), row.italic) << row.what;
        EXPECT_EQ(field.Edit()->toolTip().toStdString(), row.hint) << row.what;
    }
}

}  // namespace
}  // namespace quillix
