// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo in the window: the Edit menu's and the variables view's
// entries, their captions, shortcuts and enabled state; the selection after
// each; the Save command and the title's mark following the history; and one
// action of the view as one step.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableView>

#include "dialogs/variable_properties.h"
#include "support/ui_environment.h"
#include "vars/calc_vars.h"
#include "vars_view/vars_model.h"
#include "vars_view/vars_view.h"
#include "window/main_window.h"

namespace quillix::test {
namespace {

class UndoMenus : public ::testing::Test {
  protected:
    TUiEnvironment env;
    TDLogFile log{TDLogStartup{env.Home(), {"quillix"}, "0.1.0.0", {}, {}, std::nullopt}};
    std::unique_ptr<Tfrm_main> window = std::make_unique<Tfrm_main>(log);

    TCalcVars& Document() const { return window->Document(); }
    QMenu* EditMenu() const {
        for (QAction* top : window->menuBar()->actions())
            if (top->text() == "&Edit") return top->menu();
        return nullptr;
    }
    // The entries of a menu whose caption starts with prefix: "&Undo", "&Redo".
    static QAction* EntryOf(QMenu* menu, const QString& prefix) {
        for (QAction* action : menu->actions())
            if (action->text().startsWith(prefix)) return action;
        return nullptr;
    }
    QAction* Undo() const { return EntryOf(EditMenu(), "&Undo"); }
    QAction* Redo() const { return EntryOf(EditMenu(), "&Redo"); }
    std::vector<int> Selected() const {
        std::vector<int> rows;
        for (const QModelIndex& index : window->VarsView().List()->selectionModel()->selectedRows())
            rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    void Select(std::initializer_list<int> rows) {
        QItemSelectionModel* selection = window->VarsView().List()->selectionModel();
        selection->clearSelection();
        for (const int row : rows)
            selection->select(window->VarsView().Model()->index(row, TVarsModel::kNameColumn),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void AddFour() {
        for (const char* name : {"a", "b", "Rate", "d"})
            ASSERT_TRUE(Document().Add(name, TCalcValue::New(1)));
    }
};

TEST_F(UndoMenus, CaptionsShortcutsAndEnabledStateFollowTheHistory) {
    ASSERT_NE(Undo(), nullptr);
    ASSERT_NE(Redo(), nullptr);
    EXPECT_EQ(Undo()->shortcuts(), QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Z"))});
    EXPECT_EQ(Redo()->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                   QKeySequence(QStringLiteral("Ctrl+Y"))}));
    struct Row {
        const char* step;
        std::function<void()> run;
        QString undo;
        QString redo;
    };
    const Row rows[] = {
        {"nothing yet", [] {}, "&Undo", "&Redo"},
        {"four added", [this] { AddFour(); }, "&Undo Add 'd'", "&Redo"},
        {"delete", [this] { Document().DeleteAt(2); }, "&Undo Delete 'Rate'", "&Redo"},
        {"undone", [this] { Undo()->trigger(); }, "&Undo Add 'd'", "&Redo Delete 'Rate'"},
        {"redone", [this] { Redo()->trigger(); }, "&Undo Delete 'Rate'", "&Redo"},
        {"a name with an ampersand", [this] { Document().Add("R&D", TCalcValue::New(2)); },
         "&Undo Add 'R&&D'", "&Redo"},
        {"new program", [this] { Document().New(); }, "&Undo", "&Redo"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.step);
        row.run();
        EXPECT_EQ(Undo()->text(), row.undo);
        EXPECT_EQ(Redo()->text(), row.redo);
        EXPECT_EQ(Undo()->isEnabled(), row.undo != "&Undo");
        EXPECT_EQ(Redo()->isEnabled(), row.redo != "&Redo");
    }
}

TEST_F(UndoMenus, TheViewsMenuHoldsTheSameCommandsFirst) {
    const QList<QAction*> entries = window->VarsView().Menu()->actions();
    ASSERT_GE(entries.size(), 3);
    EXPECT_EQ(entries[0], Undo());
    EXPECT_EQ(entries[1], Redo());
    EXPECT_TRUE(entries[2]->isSeparator());
}

TEST_F(UndoMenus, UndoAndRedoSelectTheChangedRow) {
    AddFour();
    Select({2});
    window->VarsView().DeleteSelected();
    Select({0});
    Undo()->trigger();
    EXPECT_EQ(Selected(), std::vector<int>{2});
    Redo()->trigger();
    EXPECT_EQ(Selected(), std::vector<int>{2});  // "d" took the row
    ASSERT_TRUE(Document().MoveUp(2));
    Undo()->trigger();
    EXPECT_EQ(Selected(), std::vector<int>{2});
}

TEST_F(UndoMenus, ADeleteOfSeveralRowsIsOneStep) {
    AddFour();
    Select({0, 2, 3});
    window->VarsView().DeleteSelected();
    ASSERT_EQ(Document().Count(), 1);
    EXPECT_EQ(Undo()->text(), "&Undo Delete 3 variables");
    Undo()->trigger();
    EXPECT_EQ(Document().Count(), 4);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 2, 3}));
}

TEST_F(UndoMenus, ARoleGivenToSeveralRowsIsOneStep) {
    AddFour();
    Select({1, 2});
    window->VarsView().SetSelectedType(wtInput);
    EXPECT_EQ(Undo()->text(), "&Undo Set Type of 2 variables");
    Undo()->trigger();
    EXPECT_EQ(Document().Items()[1]->Type, wtNormal);
    EXPECT_EQ(Document().Items()[2]->Type, wtNormal);
    EXPECT_EQ(Undo()->text(), "&Undo Add 'd'");  // both roles went back at once
}

// The properties dialog changes the entry through the document: one step,
// and the steps before it stay.
TEST_F(UndoMenus, ThePropertiesDialogIsOneStepThatKeepsTheEarlierOnes) {
    AddFour();
    Select({1});
    env.Dialogs().ScriptFor<Tfrm_VariableProperties>([](Tfrm_VariableProperties& dialog) {
        dialog.TypeGroup()->button(wtOutput)->setChecked(true);
        dialog.Description()->setPlainText(QStringLiteral("Monthly"));
        dialog.accept();
        return dialog.result();
    });
    window->VarsView().ShowProperties();
    ASSERT_TRUE(env.Dialogs().ScriptUsed());
    ASSERT_EQ(Document().Items()[1]->Type, wtOutput);
    EXPECT_EQ(Undo()->text(), "&Undo Properties of 'b'");
    Undo()->trigger();
    EXPECT_EQ(Document().Items()[1]->Type, wtNormal);
    EXPECT_EQ(Document().Items()[1]->Description, "");
    EXPECT_EQ(Undo()->text(), "&Undo Add 'd'");
    Redo()->trigger();
    EXPECT_EQ(Document().Items()[1]->Description, "Monthly");
}

TEST_F(UndoMenus, SaveAndTheTitlesMarkFollowTheHistory) {
    QAction* save = nullptr;
    for (QAction* top : window->menuBar()->actions())
        if (top->text() == "&File") save = EntryOf(top->menu(), "&Save");
    ASSERT_NE(save, nullptr);
    ASSERT_TRUE(Document().Add("a", TCalcValue::New(1)));
    std::string error;
    ASSERT_TRUE(Document().SaveNew(window->Libraries().Programs(), "Loan", &error)) << error;
    EXPECT_FALSE(window->isWindowModified());
    ASSERT_TRUE(Document().Add("b", TCalcValue::New(2)));
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(window->isWindowModified());
    Undo()->trigger();
    EXPECT_FALSE(Document().GetModified());
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(window->isWindowModified());
    Redo()->trigger();
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(window->isWindowModified());
}

}  // namespace
}  // namespace quillix::test
