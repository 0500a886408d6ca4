// SPDX-License-Identifier: GPL-3.0-or-later
#include <set>

#include "common/text_compare.h"
#include "dialogs/function_param_dialog.h"
#include "drop_down/calc_drop_down.h"
#include "functions/func_catalogue.h"
#include "keypad/keypad_function_menu.h"
#include "keypad_test_support.h"
#include "launchers.h"
#include "model/operate_binary.h"
#include "model/operate_func.h"

namespace quillix::test {
namespace {

// A menu entry names its function as the catalogue does (the case may differ:
// "IF"), so the name finds the row it applies.
TEST(KeypadFunctionMenu, EveryEntryMatchesItsCatalogueRow) {
    std::set<int> offered;
    for (const TFuncMenuGroup& group : FunctionMenuGroups()) {
        for (const std::string_view caption : group.Entries) {
            if (caption.empty()) continue;
            const TFuncDataItem* row = MenuEntryFunction(caption);
            ASSERT_NE(row, nullptr) << caption;
            EXPECT_TRUE(EqualsIgnoreAsciiCase(row->Name, caption)) << caption;
            EXPECT_TRUE(offered.insert(row->FuncID).second) << caption << " twice";
        }
    }
    // Every function of the catalogue but Recip (the "1/x" button) is offered.
    EXPECT_EQ(offered.size(), static_cast<std::size_t>(FuncCount - 1));
    EXPECT_EQ(offered.count(FindFuncID("Recip")), 0u);
}

TEST_F(KeypadTest, FunctionsMenuHasItsSubMenusInOrder) {
    QMenu* menu = keypad->FunctionsMenu();
    EXPECT_EQ(Captions(menu),
              QStringList({"Algebraic", "Angle Unit", "Date", "Trigonometry", "Finance",
                           "Statistical", "Logic", "-", "My Functions"}));
    EXPECT_EQ(
        Captions(Entry(menu, {"Trigonometry"})->menu()),
        QStringList({"Trigonometry", "Inverse Trigonometry", "Hyperbolic", "Inverse Hyperbolic"}));
    const QStringList finance = Captions(Entry(menu, {"Finance"})->menu());
    EXPECT_EQ(finance.mid(0, 5), QStringList({"SYD", "DDB", "SLN", "-", "FV"}));
    EXPECT_EQ(Captions(Entry(menu, {"Logic"})->menu()), QStringList({"Case", "IF", "Not"}));
}

TEST_F(KeypadTest, AFunctionEntryAppliesItsFunctionToX) {
    Press("9");
    Entry(keypad->FunctionsMenu(), {"Algebraic", "Sqrt"})->trigger();
    EXPECT_EQ(Display(), "3");
    EXPECT_EQ(Expression(), "Sqrt(9)");
    Entry(keypad->FunctionsMenu(), {"Trigonometry", "Hyperbolic", "Cosh"})->trigger();
    EXPECT_EQ(Expression(), "Cosh(Sqrt(9))");
}

TEST_F(KeypadTest, TheNotButtonAppliesTheSameFunctionAsTheLogicEntry) {
    Press("5 Not");
    const QString byButton = Expression();
    Press("C 5");
    Entry(keypad->FunctionsMenu(), {"Logic", "Not"})->trigger();
    EXPECT_EQ(Expression(), byButton);
    EXPECT_TRUE(Expression().startsWith("Not")) << Expression().toStdString();
}

TEST_F(KeypadTest, TodayIsInsertedWithoutADialog) {
    Entry(keypad->FunctionsMenu(), {"Date", "Today"})->trigger();
    EXPECT_TRUE(env.Prompts().Records().empty());
    ASSERT_TRUE(keypad->Engine().Stack().X);
    EXPECT_EQ(keypad->Engine().Stack().X->CVType(), cvDate);
    EXPECT_EQ(Expression(), "Today()");
}

TEST_F(KeypadTest, HypotAsksItsArgumentsWithTheKeysAtRest) {
    Activate();
    bool keysWhileAsked = true;
    env.Dialogs().ScriptFor<Tfrm_FunctionParam>([&](Tfrm_FunctionParam& dialog) {
        keysWhileAsked = keypad->HotkeysRegistered();
        dialog.Box("X")->AssignNumber(cvNumber, 3);
        dialog.Box("Y")->AssignNumber(cvNumber, 4);
        dialog.accept();
        return dialog.result();
    });
    Entry(keypad->FunctionsMenu(), {"Trigonometry", "Trigonometry", "Hypot"})->trigger();
    EXPECT_TRUE(env.Dialogs().ScriptUsed());
    EXPECT_FALSE(keysWhileAsked);
    EXPECT_TRUE(keypad->HotkeysRegistered());
    EXPECT_EQ(Display(), "5");
    EXPECT_EQ(Expression(), "Hypot(3,4)");
}

TEST_F(KeypadTest, ProgramsMenuOffersTheToolWindows) {
    QMenu* menu = keypad->ProgramsMenu();
    EXPECT_EQ(Captions(menu), QStringList({"DateCalculations", "Finance Box", "Unit Converter",
                                           "What-If...", "Goal Seek...", "-", "My Program"}));
}

class KeypadLibraryTest : public KeypadTest {
  protected:
    // Saves a function of that many inputs into folder: Sqr of its input, the
    // sum of two, or 42 without any.
    void SaveFunction(const std::string& name, int inputs, TUserFuncFolder* folder = nullptr) {
        TCalcVarsBase set;
        std::vector<ValueRef> refs;
        for (int i = 0; i < inputs; ++i) {
            const std::string input = "a" + std::to_string(i);
            ASSERT_TRUE(set.Add(input, TCalcValue::New(i + 1)));
            set.MarkInput(input, "");
            refs.push_back(set.GetValue(input)->MakeReference());
        }
        ValueRef result = TCalcValue::New(42);
        if (inputs > 0) {
            std::unique_ptr<TCalcOperate> node;
            if (inputs == 1)
                node = std::make_unique<TCalcOperateFunc>(3);
            else
                node = std::make_unique<TCalcOperatePlus>();
            for (ValueRef& ref : refs)
                node->AddOperand(std::move(ref));
            result->SetOperate(std::move(node));
        }
        ASSERT_TRUE(set.Add("r", result));
        set.MarkOutput("r", "");
        std::string error;
        ASSERT_TRUE(
            set.SaveAsFunction(name, folder ? *folder : env.Libraries().Functions(), &error))
            << error;
    }
};

TEST_F(KeypadLibraryTest, MyFunctionsIsRebuiltAtEachOpening) {
    EXPECT_TRUE(Entry(keypad->FunctionsMenu(), {"My Functions"})->menu()->isEmpty());
    SaveFunction("square", 1);
    TUserFuncFolder* tools = env.Libraries().Functions().CreateFolder("Tools");
    ASSERT_NE(tools, nullptr);
    SaveFunction("answer", 0, tools);
    QMenu* mine = Entry(keypad->FunctionsMenu(), {"My Functions"})->menu();
    EXPECT_EQ(Captions(mine), QStringList({"Tools", "square"}));
    EXPECT_EQ(Captions(Entry(mine, {"Tools"})->menu()), QStringList({"answer"}));
    // Opening again does not pile up the entries.
    mine = Entry(keypad->FunctionsMenu(), {"My Functions"})->menu();
    EXPECT_EQ(Captions(mine), QStringList({"Tools", "square"}));
}

TEST_F(KeypadLibraryTest, AUserFunctionIsAppliedByItsNumberOfParameters) {
    SaveFunction("square", 1);
    SaveFunction("answer", 0);
    SaveFunction("sum", 2);
    Press("3");
    Entry(keypad->FunctionsMenu(), {"My Functions", "square"})->trigger();
    EXPECT_EQ(Display(), "9");
    EXPECT_EQ(Expression(), "square(3)");

    Press("C");
    Entry(keypad->FunctionsMenu(), {"My Functions", "answer"})->trigger();
    EXPECT_EQ(Display(), "42");
    EXPECT_TRUE(Expression().startsWith("answer")) << Expression().toStdString();
    EXPECT_TRUE(env.Prompts().Records().empty());
}

TEST_F(KeypadLibraryTest, MyProgramListsTheProgramsLibrary) {
    TCalcVars& document = env.Vars();
    ASSERT_TRUE(document.Add("x", TCalcValue::New(1)));
    std::string error;
    ASSERT_TRUE(document.SaveNew(env.Libraries().Programs(), "loan", &error)) << error;
    QAction* loan = Entry(keypad->ProgramsMenu(), {"My Program", "loan"});
    ASSERT_NE(loan, nullptr);
    EXPECT_TRUE(loan->isEnabled());
}

}  // namespace
}  // namespace quillix::test
