// SPDX-License-Identifier: GPL-3.0-or-later
// The create-function wizard: how it fills its pages, the checks of each page
// and when they run, and the function file it writes from a copy of the
// program document.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <filesystem>

#include "dialogs/create_function.h"
#include "model/operate_binary.h"
#include "support/node_builder.h"
#include "support/ui_environment.h"
#include "vars/calc_vars_base.h"

namespace quillix {
namespace {

using test::Make;

class CreateFunction : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(env.Home() + "/UserFunctions/Geometry");
        test::WriteFile(env.Home() + "/UserFunctions/Geometry/Area.fn", "<Vars/>");
        env.ReloadLibraries();

        TCalcVars& vars = env.Vars();
        vars.Add("a", TCalcValue::New(2));
        vars.Add("b", TCalcValue::New(3));
        vars.Add("s", Make<TCalcOperatePlus>(vars.GetValue("a")->MakeReference(),
                                             vars.GetValue("b")->MakeReference()));
        vars.Add("t",
                 Make<TCalcOperateMultis>(vars.GetValue("s")->MakeReference(), TCalcValue::New(2)));
        vars.SetValueType("a", wtInput);
        vars.SetValueType("b", wtInput);
        vars.SetValueType("s", wtOutput);
        vars.SetDescription("Sum of two");
        env.Prompts().ExpectMessages();
        dialog.Init(vars);
    }

    // The folder node of that name ("Root" for the library root).
    QTreeWidgetItem* FolderNode(const QString& name) {
        const auto found =
            dialog.FolderTree()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    // What a click on a folder node does.
    void SelectFolder(const QString& name) {
        dialog.FolderTree()->setCurrentItem(FolderNode(name));
    }
    // Fills in a valid name and output and goes to the folder page.
    void GoToStep3() {
        dialog.NameEdit()->setText(QStringLiteral("Volume"));
        dialog.Next();
        dialog.OutputList()->setCurrentIndex(0);
        dialog.Next();
        ASSERT_EQ(dialog.Pages()->currentIndex(), Tfrm_CreateFunction::Step3);
    }
    int Page() const { return dialog.Pages()->currentIndex(); }

    test::TUiEnvironment env;
    Tfrm_CreateFunction dialog;
};

TEST_F(CreateFunction, PagesShowTheDocument) {
    EXPECT_EQ(dialog.NameEdit()->text(), "New");
    EXPECT_EQ(dialog.DescriptionEdit()->toPlainText(), "Sum of two");
    QListWidget* inputs = dialog.InputList();
    ASSERT_EQ(inputs->count(), 3);
    const char* lines[] = {"a = 2", "b = 3", "t = s*2"};
    const Qt::CheckState ticks[] = {Qt::Checked, Qt::Checked, Qt::Unchecked};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(inputs->item(row)->text(), lines[row]);
        EXPECT_EQ(inputs->item(row)->checkState(), ticks[row]) << row;
    }
    ASSERT_EQ(dialog.OutputList()->count(), 1);
    EXPECT_EQ(dialog.OutputList()->itemText(0), "s = a+b");
    EXPECT_EQ(dialog.OutputList()->currentIndex(), -1);

    QTreeWidgetItem* root = FolderNode(QStringLiteral("Root"));
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(root->isExpanded());
    ASSERT_EQ(root->childCount(), 1);
    EXPECT_EQ(root->child(0)->text(0), "Geometry");
    EXPECT_EQ(dialog.FolderTree()->selectedItems(), QList<QTreeWidgetItem*>{root});
}

TEST_F(CreateFunction, ButtonsFollowThePage) {
    struct Row {
        bool create, previous, next;
    };
    const Row pages[] = {{false, false, true}, {false, true, true}, {true, true, false}};
    dialog.NameEdit()->setText(QStringLiteral("Volume"));
    dialog.OutputList()->setCurrentIndex(0);
    for (int page = 0; page < 3; ++page) {
        ASSERT_EQ(Page(), page);
        EXPECT_EQ(dialog.CreateButton()->isEnabled(), pages[page].create) << page;
        EXPECT_EQ(dialog.PreviousButton()->isEnabled(), pages[page].previous) << page;
        EXPECT_EQ(dialog.NextButton()->isEnabled(), pages[page].next) << page;
        dialog.NextButton()->click();
    }
    EXPECT_TRUE(env.Prompts().Messages().isEmpty());
}

TEST_F(CreateFunction, NameMustBeGivenAndNewInEveryFolder) {
    struct Row {
        const char* name;
        const char* message;
    };
    const Row rows[] = {
        {"", "The function name cannot be empty."},
        {"   ", "The function name cannot be empty."},
        {"Area", "A function of this name already exists."},
        {"  aREA ", "A function of this name already exists."},
    };
    for (const Row& row : rows) {
        dialog.NameEdit()->setText(QString::fromUtf8(row.name));
        const int before = env.Prompts().Messages().size();
        dialog.Next();
        EXPECT_EQ(Page(), Tfrm_CreateFunction::Step1) << row.name;
        // A click on a later page's tab is checked the same way.
        dialog.Pages()->setCurrentIndex(Tfrm_CreateFunction::Step3);
        EXPECT_EQ(Page(), Tfrm_CreateFunction::Step1) << row.name;
        const QStringList messages = env.Prompts().Messages().mid(before);
        EXPECT_EQ(messages, QStringList({row.message, row.message})) << row.name;
    }
}

TEST_F(CreateFunction, OutputMustBeChosenAndPreviousSkipsTheCheck) {
    dialog.NameEdit()->setText(QStringLiteral("Volume"));
    dialog.Next();
    ASSERT_EQ(Page(), Tfrm_CreateFunction::Step2);
    dialog.Next();
    EXPECT_EQ(Page(), Tfrm_CreateFunction::Step2);
    EXPECT_EQ(env.Prompts().Messages(), QStringList{"Please select the output parameter."});
    dialog.Previous();
    EXPECT_EQ(Page(), Tfrm_CreateFunction::Step1);
    EXPECT_EQ(env.Prompts().Messages().size(), 1);
}

TEST_F(CreateFunction, DocumentWithoutOutputCannotPassStep2) {
    env.Vars().SetValueType("s", wtNormal);
    dialog.Init(env.Vars());
    EXPECT_EQ(dialog.OutputList()->count(), 0);
    dialog.NameEdit()->setText(QStringLiteral("Volume"));
    dialog.Next();
    dialog.Next();
    EXPECT_EQ(Page(), Tfrm_CreateFunction::Step2);
    EXPECT_EQ(env.Prompts().Messages(), QStringList{"Please select the output parameter."});
}

TEST_F(CreateFunction, CreateNeedsAFolder) {
    GoToStep3();
    dialog.FolderTree()->clearSelection();
    dialog.Create();
    EXPECT_EQ(env.Prompts().Messages(),
              QStringList{"Please select the folder to save the function in."});
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(env.Libraries().Functions().FindByName("Volume"), nullptr);
}

// The top folder is chosen from the start: a library without subfolders needs
// no click on the folder page.
TEST_F(CreateFunction, CreateWorksWithoutAClickOnTheFolderPage) {
    GoToStep3();
    dialog.Create();
    EXPECT_TRUE(env.Prompts().Messages().isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const TUserFuncObj* function = env.Libraries().Functions().FindByName("Volume");
    ASSERT_NE(function, nullptr);
    EXPECT_TRUE(function->Folder()->IsRoot());
}

TEST_F(CreateFunction, SkippingTheOutputPageByItsTabStillNeedsAnOutput) {
    dialog.NameEdit()->setText(QStringLiteral("Volume"));
    dialog.Pages()->setCurrentIndex(Tfrm_CreateFunction::Step3);
    ASSERT_EQ(Page(), Tfrm_CreateFunction::Step3);
    SelectFolder(QStringLiteral("Root"));
    dialog.Create();
    EXPECT_EQ(env.Prompts().Messages(), QStringList{"Please select the output parameter."});
    EXPECT_EQ(env.Libraries().Functions().FindByName("Volume"), nullptr);
}

TEST_F(CreateFunction, FileHoldsEveryVariableWithTheChosenRolesAndTheDocumentStays) {
    dialog.InputList()->item(1)->setCheckState(Qt::Unchecked);  // b
    dialog.DescriptionEdit()->setPlainText(QStringLiteral("Twice the sum\nof a and b"));
    GoToStep3();
    dialog.NameEdit()->setText(QStringLiteral("  Volume "));
    SelectFolder(QStringLiteral("Geometry"));
    const bool modified = env.Vars().GetModified();
    dialog.Create();
    EXPECT_TRUE(env.Prompts().Messages().isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    const TUserFuncObj* function = env.Libraries().Functions().FindByName("volume");
    ASSERT_NE(function, nullptr);
    EXPECT_EQ(function->Name(), "Volume");
    EXPECT_EQ(function->Folder()->Name(), "Geometry");
    TCalcVarsBase file;
    std::string error;
    ASSERT_TRUE(file.LoadFromFile(function->GetFileName(), &error)) << error;
    EXPECT_EQ(file.Description(), "Twice the sum\nof a and b");
    const char* names[] = {"a", "b", "s", "t"};
    const std::uint8_t roles[] = {wtInput, wtNormal, wtOutput, wtNormal};
    ASSERT_EQ(file.Count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(file.Items()[i]->GetName(), names[i]);
        EXPECT_EQ(file.Items()[i]->Type, roles[i]) << names[i];
    }

    TCalcVars& document = env.Vars();
    const std::uint8_t documentRoles[] = {wtInput, wtInput, wtOutput, wtNormal};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(document.Items()[i]->Type, documentRoles[i]) << names[i];
    EXPECT_EQ(document.GetDescription(), "Sum of two");
    EXPECT_EQ(document.GetModified(), modified);
    EXPECT_EQ(document.GetValue("t")->Number(), 10);
}

TEST_F(CreateFunction, AFileThatCannotBeWrittenIsReportedAndTheDialogStays) {
    GoToStep3();
    SelectFolder(QStringLiteral("Root"));
    dialog.NameEdit()->setText(QStringLiteral("a/b"));
    dialog.Create();
    ASSERT_EQ(env.Prompts().Messages().size(), 1);
    EXPECT_TRUE(env.Prompts().Messages().front().contains("a/b"));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(std::filesystem::exists(env.Home() + "/UserFunctions/a"));
}

}  // namespace
}  // namespace quillix
