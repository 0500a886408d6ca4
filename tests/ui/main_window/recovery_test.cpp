// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy kept by the window: written while the program has unsaved
// changes, gone once it has none or the user let them go, and offered at the
// next start when a window went without closing (as a killed one does).

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "support/ui_environment.h"
#include "vars/calc_vars.h"
#include "vars/user_libraries.h"
#include "vars_view/vars_view.h"
#include "window/main_window.h"
#include "window/recovery_guard.h"

namespace quillix::test {
namespace {

constexpr int kCeilingMs = 20000;

class RecoveryCopy : public ::testing::Test {
  protected:
    TUiEnvironment env;
    TDLogFile log{TDLogStartup{env.Home(), {"quillix"}, "0.1.0.0", {}, {}, std::nullopt}};
    std::unique_ptr<Tfrm_main> window = std::make_unique<Tfrm_main>(log);

    TCalcVars& Document() const { return window->Document(); }
    QDir Folder() const { return QDir(QString::fromStdString(env.Home() + "/Recovery")); }
    QStringList Copies(const char* pattern = "*.recovery") const {
        return Folder().entryList({QString::fromLatin1(pattern)}, QDir::Files);
    }
    bool WaitForCopies(int count) {
        return QTest::qWaitFor([&] { return Copies().size() == count; }, kCeilingMs);
    }
    // A saved program "Loan" with a = 1, then "Rate" added and not saved.
    void UnsavedLoan() {
        ASSERT_TRUE(Document().Add("a", TCalcValue::New(1)));
        std::string error;
        ASSERT_TRUE(Document().SaveNew(window->Libraries().Programs(), "Loan", &error)) << error;
        ASSERT_TRUE(Document().Add("Rate", TCalcValue::New(5)));
        ASSERT_TRUE(WaitForCopies(1));
    }
    // The window goes as a killed one does: without closing.
    void Vanish() {
        window->Recovery().Flush();
        window.reset();
        window = std::make_unique<Tfrm_main>(log);
    }
};

TEST_F(RecoveryCopy, WrittenWhileUnsavedAndGoneOnceSaved) {
    EXPECT_TRUE(Copies().isEmpty());
    UnsavedLoan();
    std::string error;
    ASSERT_TRUE(Document().Save(&error)) << error;
    EXPECT_TRUE(WaitForCopies(0));
}

TEST_F(RecoveryCopy, GoneWhenUndoneBackToTheSavedState) {
    UnsavedLoan();
    window->Undo();
    EXPECT_TRUE(WaitForCopies(0));
}

TEST_F(RecoveryCopy, GoneWhenTheUserClosesWithoutSaving) {
    UnsavedLoan();
    env.Prompts().ScriptAnswer(TPromptAnswer::No);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(Copies().isEmpty());
}

TEST_F(RecoveryCopy, GoneWhenANewProgramReplacesTheUnsavedOne) {
    UnsavedLoan();
    env.Prompts().ScriptAnswer(TPromptAnswer::No);
    window->NewProgram();
    EXPECT_TRUE(WaitForCopies(0));
}

TEST_F(RecoveryCopy, RestoreBringsBackTheUnsavedProgramUnderItsName) {
    UnsavedLoan();
    Vanish();
    env.Prompts().ScriptAnswer(TPromptAnswer::Yes);
    EXPECT_TRUE(window->OfferRecovery());
    ASSERT_EQ(env.Prompts().Records().size(), 1u);
    const TPromptRecord& question = env.Prompts().Records().front();
    EXPECT_TRUE(question.Text.startsWith(
        "Quillix did not close normally. Restore the unsaved program 'Loan' from "))
        << question.Text.toStdString();
    EXPECT_EQ(question.Initial, "Restore|Discard");
    EXPECT_EQ(Document().GetName(), "Loan");
    EXPECT_FALSE(Document().GetIsNew());
    EXPECT_TRUE(Document().GetModified());
    EXPECT_TRUE(Document().Exists("Rate"));
    EXPECT_EQ(window->VarsView().Title()->text(), "Loan*");  // unsaved work
    // Saved, it goes where it belongs and the copy goes.
    std::string error;
    ASSERT_TRUE(Document().Save(&error)) << error;
    EXPECT_TRUE(WaitForCopies(0));
    ASSERT_TRUE(Document().Open("Loan", &error)) << error;
    EXPECT_TRUE(Document().Exists("Rate"));
}

TEST_F(RecoveryCopy, DiscardRemovesTheCopyAndKeepsANewProgram) {
    UnsavedLoan();
    Vanish();
    env.Prompts().ScriptAnswer(TPromptAnswer::No);
    EXPECT_FALSE(window->OfferRecovery());
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_TRUE(Document().GetIsNew());
    EXPECT_EQ(Document().Count(), 0);
    Vanish();
    EXPECT_FALSE(window->OfferRecovery());  // nothing asked again
}

TEST_F(RecoveryCopy, ADamagedCopyIsSetAsideWithoutAQuestion) {
    UnsavedLoan();
    Vanish();
    const QString path = Folder().filePath(Copies().front());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("Quillix recovery copy 1\nProgram=Loan\n\n<broken");
    file.close();
    EXPECT_FALSE(window->OfferRecovery());
    EXPECT_TRUE(env.Prompts().Records().empty());
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_EQ(Copies("*.damaged-*").size(), 1);
}

TEST_F(RecoveryCopy, NoQuestionWithoutACopy) {
    EXPECT_FALSE(window->OfferRecovery());
    EXPECT_TRUE(env.Prompts().Records().empty());
}

}  // namespace
}  // namespace quillix::test
