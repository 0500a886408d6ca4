// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the variables view: their enabled rules, moving with the
// selection following, deleting, roles, inserting, the statistical entries and
// the selected values the parameter dialog takes.

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include "functions/func_catalogue.h"
#include "launchers.h"
#include "vars_view_fixture.h"

namespace quillix::test {
namespace {

class VarsViewCommandsTest : public VarsViewTest {
  protected:
    // a, b, c, d, e with values 1..5; d uses b.
    void FillFive() {
        Attach();
        AddNumber("a", 1);
        AddNumber("b", 2);
        AddNumber("c", 3);
        AddSum("d", "b", 2);
        AddNumber("e", 5);
    }
};

TEST_F(VarsViewCommandsTest, MenuCaptionsAndSeparatorsInOrder) {
    QMenu* menu = view->findChild<QMenu*>("varsMenu");
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (QAction* action : menu->actions())
        entries << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(entries, QStringList({"&Up", "Dow&n", "Copy value to clipboard", "Edit formula...",
                                    "-", "Set Value Type", "Delete", "Clear", "-",
                                    "Create function", "Goal Seek...", "-", "Statistical", "-",
                                    "Properties", "Program Properties"}));
    QStringList types;
    for (QAction* action : Entry("Set Value Type")->menu()->actions())
        types << action->text();
    EXPECT_EQ(types, QStringList({"Normal", "Input", "Output"}));
}

TEST_F(VarsViewCommandsTest, ToolButtonsStartDisabled) {
    const QStringList column = {"Up",         "Down", "Delete", "Set Input Type", "Set Output Type",
                                "Remove Type"};
    for (const QString& hint : column) {
        SCOPED_TRACE(hint.toStdString());
        EXPECT_FALSE(Button(hint)->isEnabled());
    }
    Attach();
    for (const QString& hint : column)
        EXPECT_FALSE(Button(hint)->isEnabled());
    EXPECT_TRUE(Button("Clear")->isEnabled());
}

TEST_F(VarsViewCommandsTest, EnabledRulesFollowTheSelection) {
    FillFive();
    struct {
        std::vector<int> Rows;
        bool Up, Down, One, Some;
    } cases[] = {
        {{}, false, false, false, false},    {{0}, false, true, true, true},
        {{2}, true, true, true, true},       {{4}, true, false, true, true},
        {{1, 3}, false, false, false, true},
    };
    for (const auto& c : cases) {
        QItemSelectionModel* selection = view->List()->selectionModel();
        selection->clearSelection();
        for (int row : c.Rows) {
            selection->select(Model().index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        SCOPED_TRACE(::testing::PrintToString(c.Rows));
        EXPECT_EQ(Enabled("&Up"), c.Up);
        EXPECT_EQ(Button("Up")->isEnabled(), c.Up);
        EXPECT_EQ(Enabled("Dow&n"), c.Down);
        EXPECT_EQ(Button("Down")->isEnabled(), c.Down);
        EXPECT_EQ(Enabled("Copy value to clipboard"), c.One);
        EXPECT_EQ(Enabled("Delete"), c.Some);
        EXPECT_EQ(Button("Set Input Type")->isEnabled(), c.Some);
        EXPECT_EQ(Button("Remove Type")->isEnabled(), c.Some);
        EXPECT_TRUE(Enabled("Clear"));
    }
}

TEST_F(VarsViewCommandsTest, EnabledRulesFollowRowsAddedBelowTheSelection) {
    Attach();
    AddNumber("a", 1);
    Select({0});
    EXPECT_FALSE(Enabled("Dow&n"));
    AddNumber("b", 2);
    EXPECT_TRUE(Enabled("Dow&n"));
}

TEST_F(VarsViewCommandsTest, MovingTakesTheSelectionAlong) {
    FillFive();
    Select({2});
    Button("Up")->click();
    EXPECT_EQ(Names(), QStringList({"a", "c", "b", "d", "e"}));
    EXPECT_EQ(SelectedRows(), std::vector<int>{1});
    Entry("Dow&n")->trigger();
    EXPECT_EQ(Names(), QStringList({"a", "b", "c", "d", "e"}));
    EXPECT_EQ(SelectedRows(), std::vector<int>{2});
    Entry("Dow&n")->trigger();
    EXPECT_EQ(Names(), QStringList({"a", "b", "d", "c", "e"}));
    EXPECT_EQ(SelectedRows(), std::vector<int>{3});
    ExpectRowsFollowSet();
}

TEST_F(VarsViewCommandsTest, RefusedMoveChangesNothing) {
    FillFive();
    // d uses b: b cannot go below d, nor d above b.
    Select({3});
    Entry("&Up")->trigger();
    ASSERT_EQ(Names(), QStringList({"a", "b", "d", "c", "e"}));
    EXPECT_EQ(SelectedRows(), std::vector<int>{2});
    view->MoveSelectedUp();
    EXPECT_EQ(Names(), QStringList({"a", "b", "d", "c", "e"}));
    EXPECT_EQ(SelectedRows(), std::vector<int>{2});
    Select({1});
    view->MoveSelectedDown();
    EXPECT_EQ(Names(), QStringList({"a", "b", "d", "c", "e"}));
    EXPECT_EQ(SelectedRows(), std::vector<int>{1});
}

TEST_F(VarsViewCommandsTest, DeletesSeveralNonAdjacentRows) {
    FillFive();
    Select({0, 1, 4});
    Button("Delete")->click();
    EXPECT_EQ(Names(), QStringList({"c", "d"}));
    ExpectRowsFollowSet();
    EXPECT_EQ(Cell(1, TVarsModel::kValueColumn), "4");  // d kept its value without b
    EXPECT_EQ(Cell(1, TVarsModel::kExpressionColumn), "2+2");
    EXPECT_TRUE(SelectedRows().empty());
    EXPECT_FALSE(Button("Delete")->isEnabled());
}

TEST_F(VarsViewCommandsTest, ClearEmptiesWithoutAsking) {
    FillFive();
    Select({1});
    Button("Clear")->click();
    EXPECT_EQ(Vars().Count(), 0);
    EXPECT_EQ(Model().rowCount(), 0);
    EXPECT_FALSE(Enabled("Delete"));
    EXPECT_TRUE(env.Prompts().Records().empty());
}

TEST_F(VarsViewCommandsTest, RoleCommandsSetEverySelectedRow) {
    FillFive();
    struct {
        QString Hint;
        std::uint8_t Type;
    } steps[] = {
        {"Set Input Type", wtInput}, {"Set Output Type", wtOutput}, {"Remove Type", wtNormal}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Hint.toStdString());
        Select({0, 2, 4});
        Button(step.Hint)->click();
        const TCalcValueWarperList& items = Vars().GetItems();
        for (int row = 0; row < 5; ++row) {
            const bool selected = row % 2 == 0;
            EXPECT_EQ(items[row]->Type, selected ? step.Type : wtNormal);
            const bool hasIcon = !Model()
                                      .index(row, TVarsModel::kRoleColumn)
                                      .data(Qt::DecorationRole)
                                      .value<QIcon>()
                                      .isNull();
            EXPECT_EQ(hasIcon, selected && step.Type != wtNormal);
        }
    }
    Select({1});
    Entry("Output")->trigger();
    EXPECT_EQ(Vars().GetItems()[1]->Type, wtOutput);
}

TEST_F(VarsViewCommandsTest, DoubleClickInsertsTheVariableByReference) {
    FillFive();
    Select({3});
    view->InsertSelected();
    ASSERT_EQ(keypad.Presses.size(), 1u);
    EXPECT_EQ(keypad.Presses[0].Code, ccInsertReference);
    EXPECT_EQ(keypad.Presses[0].Value.get(), Vars().GetValue("d"));
    Select({1, 3});
    view->InsertSelected();
    EXPECT_EQ(keypad.Presses.size(), 1u);
}

TEST_F(VarsViewCommandsTest, StatisticalEntriesApplyTheirFunctions) {
    FillFive();
    const char* captions[] = {"AVG",    "Sum",     "Min", "Max",  "Norm",
                              "StdDev", "StdDevP", "VAR", "VARP", "VART"};
    for (const char* caption : captions) {
        ASSERT_TRUE(Enabled(caption)) << caption;
        Entry(caption)->trigger();
    }
    EXPECT_EQ(keypad.Functions, std::vector<int>({79, 80, 81, 82, 83, 84, 85, 86, 87, 88}));
    // Exactly the catalogue's statistical functions.
    std::vector<int> category;
    for (const std::string& name : FuncNamesOf("Statistical"))
        category.push_back(FindFuncID(name));
    EXPECT_EQ(keypad.Functions, category);

    Tfra_VarsView noKeypad;
    noKeypad.SetVars(&Vars());
    EXPECT_FALSE(noKeypad.Action(TVarsCommand::Statistical)->isEnabled());
    noKeypad.ApplyStatistical(79);
    EXPECT_EQ(keypad.Functions.size(), 10u);
}

TEST_F(VarsViewCommandsTest, CopiesTheValueText) {
    FillFive();
    ASSERT_TRUE(Vars().SetValue("a", TCalcValue::New(-1.5L)));
    Select({0});
    Entry("Copy value to clipboard")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "-1.5");
}

TEST_F(VarsViewCommandsTest, DialogCommandsNeedTheirSelection) {
    FillFive();
    Select({});
    EXPECT_FALSE(Enabled("Properties"));
    EXPECT_TRUE(Enabled("Program Properties"));
    EXPECT_TRUE(Enabled("Create function"));
    EXPECT_TRUE(Button("Create Function")->isEnabled());
    Select({0});
    EXPECT_TRUE(Enabled("Properties"));
    Select({0, 1});
    EXPECT_FALSE(Enabled("Properties"));
}

TEST_F(VarsViewCommandsTest, WithoutASetEveryCommandIsOff) {
    for (const char* caption : {"&Up", "Delete", "Clear", "Statistical", "Program Properties"}) {
        EXPECT_FALSE(Enabled(caption)) << caption;
    }
    view->ClearAll();
    view->DeleteSelected();
    view->SetSelectedType(wtInput);
}

TEST_F(VarsViewCommandsTest, SelectedValuesNeedTwoRows) {
    FillFive();
    std::vector<ValueRef> list = {TCalcValue::New(42)};
    Select({});
    EXPECT_FALSE(VarsViewIntf->GetSelectedValues(list));
    Select({2});
    EXPECT_FALSE(VarsViewIntf->GetSelectedValues(list));
    ASSERT_EQ(list.size(), 1u);  // untouched
    EXPECT_EQ(list[0]->Number(), 42);

    Select({4, 0, 3});
    ASSERT_TRUE(VarsViewIntf->GetSelectedValues(list));
    ASSERT_EQ(list.size(), 3u);
    const char* names[] = {"a", "d", "e"};
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_FALSE(list[i]->IsNamed());
        EXPECT_EQ(list[i]->GetFormulaText(), names[i]);
    }
    // They are references: they follow the variables.
    ASSERT_TRUE(Vars().SetValue("b", TCalcValue::New(10)));
    EXPECT_EQ(list[1]->Number(), 12);
}

TEST_F(VarsViewCommandsTest, SelectedValuesAfterADelete) {
    FillFive();
    Select({1});
    view->DeleteSelected();
    Select({0, 3});
    std::vector<ValueRef> list;
    ASSERT_TRUE(view->GetSelectedValues(list));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]->GetFormulaText(), "a");
    EXPECT_EQ(list[1]->GetFormulaText(), "e");
}

}  // namespace
}  // namespace quillix::test
