// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialog>

#include "vars_view/vars_formula_edit.h"

#include "keypad_test_support.h"

namespace quillix::test {
namespace {

const QString kPrompt = "Please input variable's name:";
const QString kExistsPrompt =
    "A variable of this name already exists.\nPlease input variable's name:";

class KeypadVarsTest : public KeypadTest {
  protected:
    explicit KeypadVarsTest(const std::string& settings = {}) : KeypadTest(settings) {}
    TCalcVars& Vars() { return env.Vars(); }
    long double ValueOf(const char* name) { return Vars().GetValue(name)->Number(); }
};

TEST_F(KeypadVarsTest, AddMenuStoresXAndXThenShowsTheName) {
    Press("2 + 3 =");
    QMenu* menu = keypad->AddVariableMenu();
    EXPECT_EQ(Captions(menu), QStringList({"X", "Y", "-", "-", "Other..."}));
    Entry(menu, {"X"})->trigger();
    ASSERT_TRUE(Vars().Exists("X"));
    EXPECT_EQ(ValueOf("X"), 5);
    EXPECT_EQ(Expression(), "X");
    EXPECT_EQ(Display(), "5");
    // The next proposals skip the name now taken.
    EXPECT_EQ(Captions(keypad->AddVariableMenu()).mid(0, 2), QStringList({"X1", "Y"}));
}

// F2 in the variables list gives a variable a new formula; X shows it at once.
TEST_F(KeypadVarsTest, TheDisplayFollowsAnEditedVariable) {
    Press("2 + 3 =");
    Entry(keypad->AddVariableMenu(), {"X"})->trigger();
    ASSERT_EQ(Display(), "5");
    env.Prompts().ScriptText(QString("6*7"));
    ASSERT_TRUE(EditVariableFormula(nullptr, Vars(), "X"));
    EXPECT_EQ(Display(), "42");
    EXPECT_EQ(Expression(), "X");

    Press("* 2 =");
    ASSERT_EQ(Display(), "84");
    ASSERT_TRUE(Vars().SetValue("X", TCalcValue::New(10)));
    EXPECT_EQ(Display(), "20");
    EXPECT_EQ(Expression(), "X*2");
}

class KeypadQuickNamesTest : public KeypadVarsTest {
  protected:
    KeypadQuickNamesTest() : KeypadVarsTest("[Keypad]\nQuickVarNames=Rate,Amount\n") {}
};

TEST_F(KeypadQuickNamesTest, QuickNamesThatAreVariablesAreHidden) {
    ASSERT_TRUE(Vars().Add("Rate", TCalcValue::New(1)));
    QMenu* menu = keypad->AddVariableMenu();
    EXPECT_EQ(Captions(menu), QStringList({"X", "Y", "-", "Rate", "Amount", "-", "Other..."}));
    EXPECT_FALSE(Entry(menu, {"Rate"})->isVisible());
    EXPECT_TRUE(Entry(menu, {"Amount"})->isVisible());
    EXPECT_TRUE(Entry(menu, {"X"})->isVisible());
    // A new list through the settings shows at the next opening.
    env.Settings().Configor().WriteString("Keypad", "QuickVarNames", "Total");
    EXPECT_EQ(Captions(keypad->AddVariableMenu()),
              QStringList({"X", "Y", "-", "Total", "-", "Other..."}));
}

struct OtherRow {
    const char* Name;
    std::vector<std::optional<QString>> Answers;
    const char* Added;             // the variable made, or null for none
    std::vector<QString> Prompts;  // the prompts shown, in order
};

const OtherRow kOtherRows[] = {
    {"proposal taken", {QString("V")}, "V", {kPrompt}},
    {"own name", {QString("Total")}, "Total", {kPrompt}},
    {"existing name asked again", {QString("A"), QString("B")}, "B", {kPrompt, kExistsPrompt}},
    {"existing name then empty", {QString("A"), QString("")}, nullptr, {kPrompt, kExistsPrompt}},
    {"empty name", {QString("")}, nullptr, {kPrompt}},
    {"cancelled", {std::nullopt}, nullptr, {kPrompt}},
    {"existing name then cancelled",
     {QString("A"), std::nullopt},
     nullptr,
     {kPrompt, kExistsPrompt}},
};

TEST_F(KeypadVarsTest, OtherAsksForANameUntilItIsFree) {
    Activate();
    for (const OtherRow& row : kOtherRows) {
        Vars().New();
        ASSERT_TRUE(Vars().Add("A", TCalcValue::New(1)));
        Press("C 7");
        const std::size_t before = env.Prompts().Records().size();
        for (const auto& answer : row.Answers)
            env.Prompts().ScriptText(answer);
        Entry(keypad->AddVariableMenu(), {"Other..."})->trigger();

        const auto& records = env.Prompts().Records();
        ASSERT_EQ(records.size() - before, row.Prompts.size()) << row.Name;
        for (std::size_t i = 0; i < row.Prompts.size(); ++i) {
            EXPECT_EQ(records[before + i].Caption, "Input Box") << row.Name;
            EXPECT_EQ(records[before + i].Text, row.Prompts[i]) << row.Name;
        }
        EXPECT_EQ(records[before].Initial, "V") << row.Name;
        // Asked again, the box keeps what was typed.
        if (row.Prompts.size() > 1) {
            EXPECT_EQ(records[before + 1].Initial, "A") << row.Name;
        }
        const int expectedCount = row.Added ? 2 : 1;
        EXPECT_EQ(Vars().Count(), expectedCount) << row.Name;
        if (row.Added) {
            EXPECT_EQ(ValueOf(row.Added), 7) << row.Name;
            EXPECT_EQ(Expression(), row.Added) << row.Name;
        } else {
            EXPECT_EQ(Expression(), "7") << row.Name;
        }
        EXPECT_TRUE(keypad->HotkeysRegistered()) << row.Name;
    }
}

TEST_F(KeypadVarsTest, OtherTellsTheHostThatADialogIsOpen) {
    int begun = 0;
    int ended = 0;
    bool keysWhileOpen = true;
    QObject::connect(keypad.get(), &Tfra_KeypadFW::beginModal, [&] {
        ++begun;
        keysWhileOpen = keypad->HotkeysRegistered();
    });
    QObject::connect(keypad.get(), &Tfra_KeypadFW::endModal, [&] { ++ended; });
    Activate();
    env.Prompts().ScriptText(std::nullopt);
    keypad->AddVariableOther();
    EXPECT_EQ(begun, 1);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(keysWhileOpen);
    EXPECT_TRUE(keypad->HotkeysRegistered());
}

// A drop-down calculator inside a modal dialog registers without regard to the
// modal flag; its keys must come back after a box of its own.
TEST_F(KeypadVarsTest, KeysRegisteredDespiteADialogComeBackAfterOther) {
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    keypad->RegisterHotkeys(false);
    ASSERT_TRUE(keypad->HotkeysRegistered());
    env.Prompts().ScriptText(std::nullopt);
    keypad->AddVariableOther();
    EXPECT_TRUE(keypad->HotkeysRegistered());
}

TEST_F(KeypadVarsTest, ReplaceFinishesTheCalculationAndShowsTheVariable) {
    ASSERT_TRUE(Vars().Add("a", TCalcValue::New(2)));
    ASSERT_TRUE(Vars().Add("b", TCalcValue::New(3)));
    EXPECT_EQ(Captions(keypad->ReplaceVariableMenu()), QStringList({"a", "b"}));
    Press("4 + 5");
    Entry(keypad->ReplaceVariableMenu(), {"b"})->trigger();
    EXPECT_EQ(ValueOf("b"), 9);
    EXPECT_EQ(Expression(), "b");
    EXPECT_EQ(Display(), "9");
}

TEST_F(KeypadVarsTest, ReplaceIsRefusedForAVariableTheResultDependsOnOrPrecedes) {
    ASSERT_TRUE(Vars().Add("a", TCalcValue::New(2)));
    ASSERT_TRUE(Vars().Add("b", TCalcValue::New(3)));
    for (const char* target : {"a", "b"}) {
        Press("C");
        Entry(keypad->VariablesMenu(), {"b"})->trigger();
        Press("+ 1");
        Entry(keypad->ReplaceVariableMenu(), {target})->trigger();
        EXPECT_EQ(Display(), "4") << target;
        EXPECT_EQ(Expression(), "b+1") << target;
        EXPECT_EQ(ValueOf("a"), 2) << target;
        EXPECT_EQ(ValueOf("b"), 3) << target;
    }
}

TEST_F(KeypadVarsTest, TheVariablesMenuRecallsAVariableByReference) {
    ASSERT_TRUE(Vars().Add("rate", TCalcValue::New(4)));
    Press("3 *");
    Entry(keypad->VariablesMenu(), {"rate"})->trigger();
    Press("=");
    EXPECT_EQ(Display(), "12");
    EXPECT_EQ(Expression(), "3*rate");
}

}  // namespace
}  // namespace quillix::test
