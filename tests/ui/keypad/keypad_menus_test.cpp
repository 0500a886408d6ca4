// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text_compare.h"
#include "dialogs/dialog_launchers.h"
#include "functions/func_catalogue.h"
#include "keypad_function_menu.h"
#include "keypad_test_support.h"
#include "model/operate_binary.h"
#include "model/operate_func.h"

namespace quillix::test {
namespace {

// A menu entry names its function as the catalogue does (the case may differ:
// "IF"), and is applied to X exactly when the function takes one argument.
TEST(KeypadFunctionMenu, EveryEntryMatchesItsCatalogueRow) {
    int entries = 0;
    for (const TFuncMenuGroup& group : FunctionMenuGroups()) {
        for (const TFuncMenuEntry& entry : group.Entries) {
            if (entry.Caption.empty()) continue;
            ++entries;
            const TFuncDataItem* row = FindFunc(entry.FuncID);
            ASSERT_NE(row, nullptr) << entry.Caption;
            EXPECT_TRUE(EqualsIgnoreAsciiCase(row->Name, entry.Caption)) << entry.Caption;
            EXPECT_EQ(entry.Apply, row->MultiParam) << entry.Caption;
        }
    }
    // Every function of the catalogue but Recip (the "1/x" button) is offered.
    EXPECT_EQ(entries, FuncCount - 1);
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

TEST_F(KeypadTest, TodayIsInsertedWithoutADialogAndHypotNeedsOne) {
    Entry(keypad->FunctionsMenu(), {"Date", "Today"})->trigger();
    EXPECT_TRUE(env.Prompts().Records().empty());
    ASSERT_TRUE(keypad->Engine().Stack().X);
    EXPECT_EQ(keypad->Engine().Stack().X->CVType(), cvDate);
    EXPECT_EQ(Expression(), "Today()");
    QAction* hypot = Entry(keypad->FunctionsMenu(), {"Trigonometry", "Trigonometry", "Hypot"});
    EXPECT_EQ(hypot->isEnabled(), DialogAvailable(TDialogKind::FunctionParam));
}

TEST_F(KeypadTest, ProgramsMenuOffersTheToolsThatExist) {
    QMenu* menu = keypad->ProgramsMenu();
    EXPECT_EQ(Captions(menu), QStringList({"DateCalculations", "Finance Box", "Unit Converter", "-",
                                           "My Program"}));
    EXPECT_EQ(Entry(menu, {"Finance Box"})->isEnabled(), DialogAvailable(TDialogKind::FinanceBox));
    EXPECT_EQ(Entry(menu, {"Unit Converter"})->isEnabled(),
              DialogAvailable(TDialogKind::UnitConverter));
    EXPECT_EQ(Entry(menu, {"DateCalculations"})->isEnabled(),
              DialogAvailable(TDialogKind::DateCalculations));
    EXPECT_EQ(ButtonNamed("bb_date")->isEnabled(), DialogAvailable(TDialogKind::DateValue));
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

    if (!DialogAvailable(TDialogKind::FunctionParam)) {
        // Its parameters cannot be asked for yet: a beep, and X stays.
        Press("C 5");
        Entry(keypad->FunctionsMenu(), {"My Functions", "sum"})->trigger();
        EXPECT_EQ(env.Prompts().Beeps(), 1);
        EXPECT_EQ(Display(), "5");
    }
}

TEST_F(KeypadLibraryTest, MyProgramListsTheProgramsLibrary) {
    TCalcVars& document = env.Vars();
    ASSERT_TRUE(document.Add("x", TCalcValue::New(1)));
    std::string error;
    ASSERT_TRUE(document.SaveNew(env.Libraries().Programs(), "loan", &error)) << error;
    QAction* loan = Entry(keypad->ProgramsMenu(), {"My Program", "loan"});
    ASSERT_NE(loan, nullptr);
    EXPECT_EQ(loan->isEnabled(), DialogAvailable(TDialogKind::ProgramRunner));
}

}  // namespace
}  // namespace quillix::test
