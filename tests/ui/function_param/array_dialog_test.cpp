// SPDX-License-Identifier: GPL-3.0-or-later
// The array parameter dialog: its boxes and the scan that stops at the first
// empty one.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "dialogs/array_param_dialog.h"
#include "drop_down/calc_drop_down.h"
#include "support/ui_environment.h"

namespace quillix {
namespace {

using test::TUiEnvironment;

std::vector<long double> Numbers(const std::vector<ValueRef>& list) {
    std::vector<long double> numbers;
    for (const ValueRef& value : list)
        numbers.push_back(value->Number());
    return numbers;
}

TEST(ArrayParam, ScanStopsAtTheFirstEmptyBox) {
    TUiEnvironment env;
    std::vector<ValueRef> list;
    Tfrm_ArrayParam dialog(nullptr, "CashFlows:  ", list);
    ASSERT_EQ(dialog.Boxes().size(), 20u);
    EXPECT_EQ(dialog.Boxes()[0]->objectName(), "Value1");
    EXPECT_EQ(dialog.Boxes()[19]->objectName(), "Value20");
    EXPECT_TRUE(dialog.Boxes()[0]->IsTextEmpty());
    dialog.Boxes()[0]->AssignNumber(cvNumber, 1);
    dialog.Boxes()[1]->AssignNumber(cvNumber, 2);
    dialog.Boxes()[3]->AssignNumber(cvNumber, 4);
    dialog.accept();
    EXPECT_EQ(Numbers(list), (std::vector<long double>{1, 2}));
}

// The buttons the user presses, by their captions: OK confirms, Cancel does not.
TEST(ArrayParam, OkAndCancelButtons) {
    TUiEnvironment env;
    for (const bool ok : {true, false}) {
        std::vector<ValueRef> list;
        Tfrm_ArrayParam dialog(nullptr, "Numbers:  ", list);
        QPushButton* button = nullptr;
        for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
            if (candidate->text() == (ok ? "&OK" : "&Cancel")) button = candidate;
        ASSERT_NE(button, nullptr) << ok;
        EXPECT_EQ(button->isDefault(), ok);
        dialog.Boxes()[0]->AssignNumber(cvNumber, 3);
        button->click();
        EXPECT_EQ(dialog.result(), ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(list.size(), ok ? 1u : 0u);
    }
}

TEST(ArrayParam, ShowsClonesAndCancelLeavesTheList) {
    TUiEnvironment env;
    std::vector<ValueRef> list{TCalcValue::New(7), TCalcValue::New(8)};
    Tfrm_ArrayParam dialog(nullptr, "Numbers:  ", list);
    EXPECT_EQ(dialog.Boxes()[1]->Edit()->text(), "8");
    EXPECT_TRUE(dialog.Boxes()[2]->IsTextEmpty());
    dialog.Boxes()[0]->AssignNumber(cvNumber, 70);
    EXPECT_EQ(list[0]->Number(), 7) << "the boxes hold clones";
    dialog.reject();
    EXPECT_EQ(Numbers(list), (std::vector<long double>{7, 8}));
}

TEST(ArrayParam, ALongerListGetsABoxPerItemAndLosesNone) {
    TUiEnvironment env;
    std::vector<ValueRef> list;
    for (int i = 1; i <= 25; ++i)
        list.push_back(TCalcValue::New(i));
    Tfrm_ArrayParam dialog(nullptr, "Numbers:  ", list);
    ASSERT_EQ(dialog.Boxes().size(), 25u);
    EXPECT_EQ(dialog.Boxes()[24]->objectName(), "Value25");
    dialog.accept();
    ASSERT_EQ(list.size(), 25u);
    EXPECT_EQ(list[24]->Number(), 25);
}

}  // namespace
}  // namespace quillix
