// SPDX-License-Identifier: GPL-3.0-or-later
// "Edit formula..." of the variables view: the new formula replaces the old
// one and dependants follow; what the set refuses or the reader cannot read is
// shown in the box again and changes nothing.

#include <QApplication>
#include <QTest>

#include "vars_view/vars_formula_edit.h"
#include "vars_view_fixture.h"

namespace quillix::test {
namespace {

class VarsViewFormulaTest : public VarsViewTest {
  protected:
    // a = 2, b = a + 1, c = 10.
    void SetUp() override {
        AddNumber("a", 2);
        AddSum("b", "a", 1);
        AddNumber("c", 10);
        Attach();
    }
    long double ValueOf(const char* name) { return Vars().GetValue(name)->Number(); }
    std::string FormulaOf(const char* name) { return Vars().GetValue(name)->GetFormulaText(); }
    const TPromptRecord& Asked(std::size_t index) {
        const auto& records = env.Prompts().Records();
        EXPECT_GT(records.size(), index);
        return records.at(std::min(index, records.size() - 1));
    }
};

TEST_F(VarsViewFormulaTest, ReplacesTheFormulaAndDependantsRecalculate) {
    Select({0});
    ASSERT_TRUE(Enabled("Edit formula..."));
    env.Prompts().ScriptText(QStringLiteral("5*3+Sqrt(16)"));
    Entry("Edit formula...")->trigger();
    EXPECT_TRUE(env.Prompts().ScriptUsed());
    EXPECT_EQ(Asked(0).Caption, kEditFormulaCaption);
    EXPECT_EQ(Asked(0).Initial, "2");
    EXPECT_EQ(FormulaOf("a"), "5*3+Sqrt(16)");
    EXPECT_EQ(ValueOf("a"), 19);
    EXPECT_EQ(ValueOf("b"), 20);
    EXPECT_EQ(Cell(1, TVarsModel::kValueColumn), "20");
    // Hot keys rest while the box is open.
    EXPECT_EQ(keypad.Calls, (std::vector<std::string>{"UnregisterHotkeys", "BeginModal", "EndModal",
                                                      "RegisterHotkeys"}));
}

// The keys come back only to a keypad that had them: a window that was not
// active (its keys off) does not take the keys of the one that is.
TEST_F(VarsViewFormulaTest, TheBoxLeavesTheKeysAsItFoundThem) {
    for (const bool registered : {true, false}) {
        keypad.Calls.clear();
        keypad.Registered = registered;
        Select({0});
        env.Prompts().ScriptText(std::nullopt);
        Entry("Edit formula...")->trigger();
        EXPECT_EQ(keypad.Registered, registered);
        std::vector<std::string> expected{"UnregisterHotkeys", "BeginModal", "EndModal"};
        if (registered) expected.push_back("RegisterHotkeys");
        EXPECT_EQ(keypad.Calls, expected) << registered;
    }
}

TEST_F(VarsViewFormulaTest, RefusalsAndErrorsAreAskedAgainAndChangeNothing) {
    const struct {
        const char* Name;
        int Row;
        QString Typed;
        QString Reason;  // the start of the text above the prompt
    } cases[] = {
        {"a name listed later", 0, "c+1", "The formula of a cannot use a itself"},
        {"itself", 1, "b*2", "The formula of b cannot use b itself"},
        {"a cycle through a dependant", 0, "b+1", "The formula of a cannot use a itself"},
        {"no formula", 1, "a+*2", "unexpected '*' at 3"},
        {"unknown name", 2, "a+Rat", "unknown name 'Rat' at 3"},
    };
    for (const auto& c : cases) {
        const std::string before[] = {FormulaOf("a"), FormulaOf("b"), FormulaOf("c")};
        const std::size_t asked = env.Prompts().Records().size();
        Select({c.Row});
        env.Prompts().ScriptText(c.Typed);
        env.Prompts().ScriptText(std::nullopt);
        view->EditFormula();
        EXPECT_TRUE(env.Prompts().ScriptUsed()) << c.Name;
        const TPromptRecord& again = Asked(asked + 1);
        EXPECT_TRUE(again.Text.startsWith(c.Reason)) << c.Name << ": " << again.Text.toStdString();
        EXPECT_TRUE(again.Text.endsWith(Asked(asked).Text)) << c.Name;
        EXPECT_EQ(again.Initial, c.Typed) << c.Name;
        EXPECT_EQ(FormulaOf("a"), before[0]) << c.Name;
        EXPECT_EQ(FormulaOf("b"), before[1]) << c.Name;
        EXPECT_EQ(FormulaOf("c"), before[2]) << c.Name;
    }
    EXPECT_EQ(ValueOf("a"), 2);
    EXPECT_EQ(ValueOf("b"), 3);
}

TEST_F(VarsViewFormulaTest, AFixedTextAfterAnErrorIsTaken) {
    Select({2});
    env.Prompts().ScriptText(QStringLiteral("a+"));
    env.Prompts().ScriptText(QStringLiteral("a+5"));
    view->EditFormula();
    EXPECT_TRUE(env.Prompts().ScriptUsed());
    EXPECT_EQ(FormulaOf("c"), "a+5");
    EXPECT_EQ(ValueOf("c"), 7);
}

TEST_F(VarsViewFormulaTest, OnlyForOneVariable) {
    Select({0, 1});
    EXPECT_FALSE(Enabled("Edit formula..."));
    view->EditFormula();  // nothing scripted: a box would fail the test
    Select({});
    EXPECT_FALSE(Enabled("Edit formula..."));
}

TEST_F(VarsViewFormulaTest, F2OpensTheBox) {
    QApplication::setActiveWindow(view.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    Select({1});
    view->List()->setFocus();
    env.Prompts().ScriptText(std::nullopt);
    QTest::keyClick(view->List(), Qt::Key_F2);
    EXPECT_TRUE(env.Prompts().ScriptUsed());
    ASSERT_EQ(env.Prompts().Records().size(), 1u);
    EXPECT_EQ(Asked(0).Initial, "a+1");
    EXPECT_EQ(FormulaOf("b"), "a+1");
}

}  // namespace
}  // namespace quillix::test
