// SPDX-License-Identifier: GPL-3.0-or-later
// The ways to the what-if windows: the main window's Tools menu, the
// keypad's tool list and the variables' pop-up menu open them over the
// program document, and an applied goal seek is one step of the Edit menu's
// Undo.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

#include "keypad/keypad_frame.h"
#include "main_window/menu_entry.h"
#include "support/ui_environment.h"
#include "vars_view/vars_view.h"
#include "whatif_windows/goal_seek_dialog.h"
#include "whatif_windows/loan_document.h"
#include "whatif_windows/whatif_table_model.h"
#include "whatif_windows/whatif_window.h"
#include "window/main_window.h"

namespace quillix::test {
namespace {

class WhatIfMenus : public ::testing::Test {
  protected:
    TUiEnvironment env;
    TDLogFile log{TDLogStartup{env.Home(), {"quillix"}, "0.1.0.0", {}, {}, std::nullopt}};
    std::unique_ptr<Tfrm_main> window;

    WhatIfMenus() {
        window = std::make_unique<Tfrm_main>(log);
        DefineLoan(window->Document());
        // The keypad's tools work on the published document, the test's own.
        DefineLoan(env.Vars());
    }
    QAction* Entry(QMenu& menu, const QString& caption) {
        for (QAction* action : menu.actions())
            if (action->text() == caption) return action;
        return nullptr;
    }
};

TEST_F(WhatIfMenus, ToolsMenuGoalSeekAppliesOneUndoableChange) {
    env.Dialogs().ScriptFor<Tfrm_GoalSeek>([](Tfrm_GoalSeek& dialog) {
        dialog.OutputBox()->setCurrentText("Total");
        dialog.TargetEdit()->setText("-400000");
        dialog.InputBox()->setCurrentText("Years");
        dialog.Solve();
        dialog.Apply();
        return dialog.result();
    });
    QAction* goalSeek = MenuEntry(*window, "&Goal Seek...");
    ASSERT_NE(goalSeek, nullptr);
    goalSeek->trigger();
    EXPECT_TRUE(env.Dialogs().ScriptUsed());
    TCalcVars& doc = window->Document();
    EXPECT_NEAR(static_cast<double>(doc.GetValue("Total")->Number()), -400000, 1e-6);
    EXPECT_NE(doc.GetValue("Years")->Number(), 30);
    window->Undo();
    EXPECT_EQ(doc.GetValue("Years")->Number(), 30);
    EXPECT_NE(doc.GetValue("Rate")->Number(), 0);  // the loan itself stays
}

TEST_F(WhatIfMenus, TheVariablesMenuOffersTheSelectedVariableToChange) {
    Tfra_VarsView& view = window->VarsView();
    view.List()->selectRow(2);  // Years
    QString offered;
    env.Dialogs().ScriptFor<Tfrm_GoalSeek>([&](Tfrm_GoalSeek& dialog) {
        offered = dialog.InputBox()->currentText();
        return static_cast<int>(QDialog::Rejected);
    });
    QAction* goalSeek = Entry(*view.Menu(), "Goal Seek...");
    ASSERT_NE(goalSeek, nullptr);
    goalSeek->trigger();
    EXPECT_EQ(offered, "Years");
    EXPECT_EQ(window->Document().GetValue("Years")->Number(), 30);
}

TEST_F(WhatIfMenus, ToolsMenuAndKeypadOpenWhatIfOverTheDocument) {
    int opened = 0;
    for (int i = 0; i < 2; ++i) {
        env.Dialogs().ScriptFor<Tfrm_WhatIf>([&](Tfrm_WhatIf& dialog) {
            ++opened;
            dialog.Calculate();  // the defaults: Principal over the loan's outputs
            EXPECT_EQ(dialog.Model().rowCount(), 11);
            return static_cast<int>(QDialog::Rejected);
        });
    }
    QAction* whatIf = MenuEntry(*window, "&What-If...");
    ASSERT_NE(whatIf, nullptr);
    whatIf->trigger();
    QAction* keypadEntry = Entry(*window->Keypad().ProgramsMenu(), "What-If...");
    ASSERT_NE(keypadEntry, nullptr);
    keypadEntry->trigger();
    EXPECT_EQ(opened, 2);
}

}  // namespace
}  // namespace quillix::test
