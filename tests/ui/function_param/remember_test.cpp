// SPDX-License-Identifier: GPL-3.0-or-later
// The arguments remembered in "lastdata.ini", and the list taken from the
// variables selected in the variables view.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "config/last_data.h"
#include "dialogs/function_param_dialog.h"
#include "drop_down/calc_drop_down.h"
#include "fake_vars_view.h"
#include "functions/func_catalogue.h"
#include "model/operate_func.h"
#include "support/ui_environment.h"

namespace quillix {
namespace {

using test::TFakeVarsView;
using test::TUiEnvironment;

const TFuncDataItem& Func(const char* name) {
    return *FindFunc(FindFuncID(name));
}

std::string LastText(const TUiEnvironment& env, const char* section, const char* key) {
    std::string text;
    return ReadLastText(env.Home(), section, key, text) ? text : "<absent>";
}

TEST(FunctionParamRemember, NpvRoundTripsEveryRowThroughLastData) {
    TUiEnvironment env;
    {
        Tfrm_FunctionParam dialog(nullptr, Func("NPV"), false);
        dialog.Prepare();
        dialog.Box("Rate")->AssignNumber(cvNumber, 0.08L);
        dialog.Box("Type")->AssignNumber(cvNumber, 1);
        for (const long double flow : {-100.0L, 60.5L, 70.0L})
            dialog.List(0).push_back(TCalcValue::New(flow));
        dialog.accept();
    }
    EXPECT_EQ(LastText(env, "Func_NPV", "Rate"), "0.08");
    EXPECT_EQ(LastText(env, "Func_NPV", "CashFlows"), "-100,60.5,70");
    EXPECT_EQ(LastText(env, "Func_NPV", "Type"), "1");

    Tfrm_FunctionParam again(nullptr, Func("NPV"), false);
    again.Prepare();
    EXPECT_EQ(again.Box("Rate")->Value().Number(), 0.08L);
    EXPECT_EQ(again.Box("Type")->Value().Number(), 1);
    EXPECT_EQ(again.ListText("CashFlows")->text(), "-100,60.5,70");
    ASSERT_EQ(again.List(0).size(), 3u);
    EXPECT_EQ(again.List(0)[1]->Number(), 60.5L);
}

TEST(FunctionParamRemember, NothingWhenSwitchedOffOrCancelled) {
    struct Row {
        const char* name;
        const char* settings;
        bool confirm;
    };
    const Row rows[] = {{"switched off", "[Main]\nAutoSaveParam=0\n", true},
                        {"cancelled", "", false}};
    for (const Row& row : rows) {
        TUiEnvironment env(row.settings);
        test::WriteFile(env.Home() + "/lastdata.ini", "[Func_PMT]\nRate=0.5\n");
        Tfrm_FunctionParam dialog(nullptr, Func("PMT"), false);
        dialog.Prepare();
        if (row.confirm) {
            EXPECT_EQ(dialog.Box("Rate")->Value().Number(), 0) << "nothing restored";
        }
        dialog.Box("NPer")->AssignNumber(cvNumber, 24);
        row.confirm ? dialog.accept() : dialog.reject();
        EXPECT_EQ(LastText(env, "Func_PMT", "NPer"), "<absent>") << row.name;
    }
}

// What reads back is the core's rule (remembered_arguments_test); the rows
// show it: a number that is none keeps the default, a list shows its numbers.
TEST(FunctionParamRemember, RowsShowWhatReadsBack) {
    TUiEnvironment env;
    test::WriteFile(env.Home() + "/lastdata.ini",
                    "[Func_NPV]\nRate=abc\nCashFlows=\"1\",[2023-03-15],3\nType=1\n");
    Tfrm_FunctionParam dialog(nullptr, Func("NPV"), false);
    dialog.Prepare();
    EXPECT_EQ(dialog.Box("Rate")->Value().Number(), 0);
    EXPECT_EQ(dialog.Box("Type")->Value().Number(), 1);
    ASSERT_EQ(dialog.List(0).size(), 2u);
    EXPECT_EQ(dialog.ListText("CashFlows")->text(), "1,3");
}

TEST(FunctionParamSelection, SumOfTwoSelectedVariablesNeedsNoDialog) {
    TUiEnvironment env;
    env.Vars().Add("a", TCalcValue::New(2));
    env.Vars().Add("b", TCalcValue::New(5));
    TFakeVarsView view({"a", "b"});
    Tfrm_FunctionParam dialog(nullptr, Func("Sum"), false);
    ASSERT_TRUE(dialog.Prepare());
    ASSERT_TRUE(dialog.Execute());  // answered already: no modal loop
    ValueRef value = TCalcValue::New();
    value->SetOperate(dialog.BuildNode());
    EXPECT_EQ(value->GetFormulaText(), "Sum([a,b])");
    EXPECT_EQ(value->Number(), 7);
    env.Vars().SetValue("a", TCalcValue::New(10));
    EXPECT_EQ(value->Number(), 15) << "the list refers to the variables";
    EXPECT_EQ(LastText(env, "Func_Sum", "Numbers"), "2,5");
}

TEST(FunctionParamSelection, NpvOpensWithTheListFilled) {
    TUiEnvironment env;
    env.Vars().Add("c0", TCalcValue::New(-100));
    env.Vars().Add("c1", TCalcValue::New(110));
    TFakeVarsView view({"c0", "c1"});
    Tfrm_FunctionParam dialog(nullptr, Func("NPV"), false);
    EXPECT_FALSE(dialog.Prepare());
    EXPECT_EQ(dialog.ListText("CashFlows")->text(), "-100,110");
    dialog.Box("Rate")->AssignNumber(cvNumber, 0.1L);
    dialog.accept();
    ValueRef value = TCalcValue::New();
    value->SetOperate(dialog.BuildNode());
    EXPECT_EQ(value->GetFormulaText(), "NPV(0.1,[c0,c1],0)");
}

TEST(FunctionParamSelection, OneSelectedVariableLeavesTheRememberedList) {
    TUiEnvironment env;
    env.Vars().Add("a", TCalcValue::New(2));
    test::WriteFile(env.Home() + "/lastdata.ini", "[Func_Sum]\nNumbers=4,6\n");
    TFakeVarsView view({"a"});
    Tfrm_FunctionParam dialog(nullptr, Func("Sum"), false);
    EXPECT_FALSE(dialog.Prepare()) << "the dialog is shown";
    EXPECT_EQ(dialog.ListText("Numbers")->text(), "4,6");
}

}  // namespace
}  // namespace quillix
