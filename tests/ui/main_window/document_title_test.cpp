// SPDX-License-Identifier: GPL-3.0-or-later
// The title above the variables follows the program document on every path:
// the File commands and the library manager's rename and move.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWindow>
#include <filesystem>
#include <functional>

#include "config/settings_table.h"
#include "dialogs/library_manager.h"
#include "dialogs/library_views.h"
#include "menu_entry.h"
#include "support/ui_environment.h"
#include "vars/calc_vars.h"
#include "vars/user_libraries.h"
#include "vars_view/vars_view.h"
#include "window/main_window.h"

namespace quillix::test {
namespace {

class DocumentTitle : public ::testing::Test {
  protected:
    TUiEnvironment env;
    TDLogFile log{TDLogStartup{env.Home(), {"quillix"}, "0.1.0.0", {}, {}, std::nullopt}};
    std::unique_ptr<Tfrm_main> window = std::make_unique<Tfrm_main>(log);

    QString Title() const { return window->VarsView().Title()->text(); }
    TUserFuncFolder& Programs() const { return window->Libraries().Programs(); }
    TCalcVars& Document() const { return window->Document(); }

    // Answers the library manager that the next File command opens.
    void PickProgram(const char* name) {
        env.Dialogs().ScriptFor<Tfrm_Open>([name](Tfrm_Open& manager) {
            QListWidgetItem* item = manager.List()->ItemNamed(QString::fromLatin1(name));
            EXPECT_NE(item, nullptr) << name;
            if (item) manager.DoubleClickItem(item);
            return manager.result();
        });
    }
    void NameProgram(const char* name) {
        env.Dialogs().ScriptFor<Tfrm_Open>([name](Tfrm_Open& manager) {
            manager.NameBox()->setText(QString::fromLatin1(name));
            manager.Confirm();
            return manager.result();
        });
    }
    void SaveLoanAndStartAnew() {
        ASSERT_TRUE(Document().Add("a", TCalcValue::New(1)));
        std::string error;
        ASSERT_TRUE(Document().SaveNew(Programs(), "Loan", &error)) << error;
        Document().New();
        ASSERT_EQ(Title(), "New");
    }
};

TEST_F(DocumentTitle, FileOpenShowsTheOpenedProgram) {
    SaveLoanAndStartAnew();
    PickProgram("Loan");
    window->OpenProgram();
    EXPECT_EQ(Document().GetName(), "Loan");
    EXPECT_EQ(Title(), "Loan");
}

TEST_F(DocumentTitle, OpenAfterNewAnsweredNo) {
    SaveLoanAndStartAnew();
    ASSERT_TRUE(Document().Add("b", TCalcValue::New(2)));
    env.Prompts().ScriptAnswer(TPromptAnswer::No);
    window->NewProgram();
    ASSERT_EQ(Title(), "New");
    PickProgram("Loan");
    window->OpenProgram();
    EXPECT_EQ(Title(), "Loan");
}

TEST_F(DocumentTitle, SaveSaveAsNewAndClose) {
    ASSERT_TRUE(Document().Add("a", TCalcValue::New(1)));
    NameProgram("Loan");
    window->SaveProgram();
    EXPECT_EQ(Title(), "Loan");
    NameProgram("Mortgage");
    window->SaveProgramAs();
    EXPECT_EQ(Title(), "Mortgage");
    window->NewProgram();
    EXPECT_EQ(Title(), "New");
    PickProgram("Loan");
    window->OpenProgram();
    ASSERT_EQ(Title(), "Loan");
    MenuEntry(*window, "&Close")->trigger();
    EXPECT_EQ(Title(), "New");
}

TEST_F(DocumentTitle, TheLibraryManagerRenamesAndMovesTheOpenProgram) {
    ASSERT_NE(Programs().CreateFolder("Old"), nullptr);
    SaveLoanAndStartAnew();
    PickProgram("Loan");
    window->OpenProgram();
    ASSERT_EQ(Title(), "Loan");

    Tfrm_Open manager(Programs(), kLibraryManager);
    manager.show();
    manager.List()->ItemNamed("Loan")->setText("Credit");  // what the in-place editor commits
    EXPECT_EQ(Title(), "Credit");
    const TLibraryDragged dragged = manager.DraggedFrom(manager.List()->ItemNamed("Credit"));
    manager.Drop(dragged, manager.Tree()->NodeOf(Programs().FindFolder("Old")));
    ASSERT_EQ(Programs().FindFolder("Old")->Files().size(), 1u);
    EXPECT_EQ(Title(), "Credit");
    // The document saves to the moved file.
    ASSERT_TRUE(Document().Add("b", TCalcValue::New(2)));
    window->SaveProgram();
    EXPECT_NE(env.HomeFolder().Read("UserPrograms/Old/Credit.prg").find("\"b\""),
              std::string::npos);
}

// The mark of unsaved changes, on the window's title and the label, through
// an edit, a save, another edit and an open that drops it.
TEST_F(DocumentTitle, TheModifiedMarkFollowsEditSaveUndoAndOpen) {
    window->show();
    const auto shownTitle = [this] { return window->windowHandle()->title(); };
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* label;
        const char* title;
    };
    const Step steps[] = {
        {"start", [] {}, "New", "New \u2014 Quillix"},
        {"edit", [this] { ASSERT_TRUE(Document().Add("a", TCalcValue::New(1))); }, "New*",
         "New* \u2014 Quillix"},
        {"save",
         [this] {
             NameProgram("Loan");
             window->SaveProgram();
         },
         "Loan", "Loan \u2014 Quillix"},
        {"edit again", [this] { ASSERT_TRUE(Document().Add("b", TCalcValue::New(2))); }, "Loan*",
         "Loan* \u2014 Quillix"},
        // Undo back to the saved state: nothing is unsaved any more.
        {"undo the edit", [this] { window->Undo(); }, "Loan", "Loan \u2014 Quillix"},
        {"redo the edit", [this] { window->Redo(); }, "Loan*", "Loan* \u2014 Quillix"},
        {"open without saving",
         [this] {
             env.Prompts().ScriptAnswer(TPromptAnswer::No);
             PickProgram("Loan");
             window->OpenProgram();
         },
         "Loan", "Loan \u2014 Quillix"},
    };
    for (const Step& step : steps) {
        step.act();
        const bool modified = QString::fromUtf8(step.label).endsWith(QLatin1Char('*'));
        EXPECT_EQ(Title(), QString::fromUtf8(step.label)) << step.what;
        EXPECT_EQ(window->VarsView().Title()->accessibleName(), QString::fromUtf8(step.label))
            << step.what;
        EXPECT_EQ(window->isWindowModified(), modified) << step.what;
        EXPECT_EQ(shownTitle(), QString::fromUtf8(step.title)) << step.what;
    }
    EXPECT_EQ(Document().Count(), 1);  // the open dropped the unsaved "b"
}

// File › Recent Programs: most recent first, a program that has gone is
// dropped with a message when chosen, and the first one opens at start.
class RecentProgramsMenu : public DocumentTitle {
  protected:
    QStringList Entries() const {
        QMenu* menu = window->RecentProgramsMenu();
        emit menu->aboutToShow();
        QStringList captions;
        for (QAction* action : menu->actions())
            if (action->isEnabled()) captions << action->text();
        return captions;
    }
    void Choose(const QString& caption) {
        QMenu* menu = window->RecentProgramsMenu();
        emit menu->aboutToShow();
        for (QAction* action : menu->actions())
            if (action->text() == caption) return action->trigger();
        ADD_FAILURE() << caption.toStdString();
    }
    void SaveLoanAndMortgage() {
        ASSERT_TRUE(Document().Add("a", TCalcValue::New(1)));
        NameProgram("Loan");
        window->SaveProgram();
        NameProgram("Mortgage");
        window->SaveProgramAs();
    }
};

TEST_F(RecentProgramsMenu, OpenedAndSavedProgramsComeFirst) {
    EXPECT_EQ(Entries(), QStringList{});
    SaveLoanAndMortgage();
    EXPECT_EQ(Entries(), (QStringList{"&1 Mortgage", "&2 Loan"}));
    window->NewProgram();
    Choose("&2 Loan");
    EXPECT_EQ(Title(), "Loan");
    EXPECT_EQ(Entries(), (QStringList{"&1 Loan", "&2 Mortgage"}));
}

TEST_F(RecentProgramsMenu, AProgramThatHasGoneIsDroppedWithAMessage) {
    SaveLoanAndMortgage();
    ASSERT_TRUE(std::filesystem::remove(env.HomeFolder().File("UserPrograms/Loan.prg")));
    env.Prompts().ExpectMessages();
    Choose("&2 Loan");
    ASSERT_EQ(env.Prompts().Messages().size(), 1);
    EXPECT_TRUE(env.Prompts().Messages()[0].contains("Loan"));
    EXPECT_EQ(Title(), "Mortgage");  // the document stays
    EXPECT_EQ(Entries(), QStringList{"&1 Mortgage"});
}

TEST_F(RecentProgramsMenu, TheLastProgramOpensAtStartUnlessTurnedOff) {
    SaveLoanAndMortgage();
    for (const bool on : {true, false}) {
        WriteBoolSetting(env.Settings().Configor(), TSetting::MainOpenLastProgram, on);
        window = std::make_unique<Tfrm_main>(log);
        window->OpenLastProgramAtStart();
        EXPECT_EQ(Title(), on ? "Mortgage" : "New") << on;
        EXPECT_EQ(MenuEntry(*window, "Open the last program at start")->isChecked(), on);
    }
}

}  // namespace
}  // namespace quillix::test
