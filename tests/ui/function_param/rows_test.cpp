// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter dialog's rows as laid out from catalogue rows and user
// functions, and the node built from them.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <map>

#include "config/last_data.h"
#include "dialogs/function_param_dialog.h"
#include "drop_down/calc_drop_down.h"
#include "functions/func_catalogue.h"
#include "model/operate_func.h"
#include "model/operate_user.h"
#include "model/value_format.h"
#include "support/ui_environment.h"

namespace quillix {
namespace {

using test::TUiEnvironment;

struct TRowsCase {
    const char* function;
    QStringList labels;
    std::map<QString, long double> defaults;  // plain rows with a preset
    QStringList listRows;
};

TEST(FunctionParamRows, LaidOutFromTheCatalogueWithDefaults) {
    const TRowsCase cases[] = {
        {"PMT", {"Rate:  ", "NPer:  ", "PV:  ", "FV:  ", "Type:  "}, {{"Type", 0}}, {}},
        {"IRR", {"Guess:  ", "CashFlows:  "}, {{"Guess", 0.1L}}, {"CashFlows"}},
        {"EFR", {"APR:  ", "NPer:  "}, {{"NPer", 12}}, {}},
        {"Case",
         {"Default:  ", "Logical_Tests:  ", "Values:  "},
         {{"Default", 0}},
         {"Logical_Tests", "Values"}},
    };
    for (const TRowsCase& c : cases) {
        TUiEnvironment env;
        const TFuncDataItem& item = *FindFunc(FindFuncID(c.function));
        Tfrm_FunctionParam dialog(nullptr, item, false);
        EXPECT_FALSE(dialog.Prepare()) << c.function;
        EXPECT_EQ(dialog.RowLabels(), c.labels) << c.function;
        EXPECT_EQ(dialog.FunctionText().toStdString(), item.Description + "\n");
        for (const auto& [name, number] : c.defaults) {
            ASSERT_NE(dialog.Box(name), nullptr) << c.function << " " << name.toStdString();
            EXPECT_EQ(dialog.Box(name)->Value().Number(), number) << name.toStdString();
            EXPECT_EQ(dialog.Box(name)->Edit()->text(), QString::number(double(number)));
        }
        for (const QString& name : c.listRows) {
            ASSERT_NE(dialog.ListText(name), nullptr) << c.function;
            EXPECT_TRUE(dialog.ListText(name)->isReadOnly());
            EXPECT_EQ(dialog.Box(name), nullptr);
        }
    }
}

TEST(FunctionParamRows, ShowsTheParameterHelpWhenABoxGetsTheFocus) {
    TUiEnvironment env;
    Tfrm_FunctionParam dialog(nullptr, *FindFunc(FindFuncID("PMT")), false);
    dialog.Prepare();
    emit dialog.Box("NPer")->editEntered();
    EXPECT_EQ(dialog.HelpLine().toStdString(), "      NPer:  NPer is the number of periods.");
}

TEST(FunctionParamNode, BuiltInFunctionTakesBoxesAsOperandsAndListsAsArrays) {
    TUiEnvironment env;
    Tfrm_FunctionParam dialog(nullptr, *FindFunc(FindFuncID("NPV")), false);
    dialog.Prepare();
    dialog.Box("Rate")->AssignNumber(cvNumber, 0.1L);
    for (const long double flow : {-100.0L, 60.0L, 70.0L})
        dialog.List(0).push_back(TCalcValue::New(flow));
    dialog.accept();
    ValueRef value = TCalcValue::New();
    value->SetOperate(dialog.BuildNode());
    auto* node = dynamic_cast<TCalcOperateMultiFunc*>(value->Operate());
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->FuncID, FindFuncID("NPV"));
    EXPECT_EQ(value->GetFormulaText(), "NPV(0.1,[-100,60,70],0)");
    EXPECT_EQ(node->OperandCount(), 2);
    EXPECT_TRUE(dialog.List(0).empty()) << "the node took the list over";
}

// The display rounds; the node keeps what was typed.
TEST(FunctionParamNode, ATypedRateKeepsEveryDigitInFixedFormat) {
    TUiEnvironment env;
    SetValueFormat(2);
    Tfrm_FunctionParam dialog(nullptr, *FindFunc(FindFuncID("PMT")), false);
    dialog.Prepare();
    dialog.Box("Rate")->Edit()->clear();
    QTest::keyClicks(dialog.Box("Rate")->Edit(), "0.005");
    dialog.Box("NPer")->AssignNumber(cvNumber, 360);
    dialog.Box("PV")->AssignNumber(cvNumber, 100000);
    dialog.accept();
    ValueRef value = TCalcValue::New();
    value->SetOperate(dialog.BuildNode());
    EXPECT_EQ(value->GetFormulaText(), "PMT(0.00,360.00,100000.00,0.00,0.00)");
    SetValueFormat(-1);
    EXPECT_EQ(value->GetFormulaText(), "PMT(0.005,360,100000,0,0)");
    value->Recalculate();
    EXPECT_NEAR(static_cast<double>(value->Number()), -599.55, 0.01);
}

TEST(FunctionParamNode, UserFunctionRemembersUnderItsOwnNameAndBuildsAUserNode) {
    TUiEnvironment env;
    TFuncDataItem item;
    item.Name = "Hyp";
    item.MultiParam = true;
    item.ParamCount = 2;
    item.Params = {{"a", "first side", false, true, 3, 0}, {"b", "", false, true, 4, 0}};
    Tfrm_FunctionParam dialog(nullptr, item, true);
    dialog.Prepare();
    EXPECT_EQ(dialog.RememberSection(), "Func_Hyp");
    dialog.Box("b")->AssignNumber(cvNumber, 5);
    dialog.accept();
    long double a = 0, b = 0;
    EXPECT_TRUE(ReadLastNumber(env.Home(), "Func_Hyp", "a", a));
    EXPECT_TRUE(ReadLastNumber(env.Home(), "Func_Hyp", "b", b));
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 5);
    const std::unique_ptr<TCalcOperate> node = dialog.BuildNode();
    ASSERT_NE(dynamic_cast<TCalcOperateUserFunc*>(node.get()), nullptr);
    EXPECT_EQ(node->GetFormulaText(), "Hyp(3,5)");
}

}  // namespace
}  // namespace quillix
