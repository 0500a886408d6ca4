// SPDX-License-Identifier: GPL-3.0-or-later
// The goal seek dialog driven as a user would: only inputs that can change
// are offered, the answer or the reason is shown, Apply is one undo step and
// Cancel leaves the document as it was.

#include "whatif_windows/goal_seek_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "functions/func_finance.h"
#include "support/ui_environment.h"
#include "vars/undo_history.h"
#include "whatif_windows/loan_document.h"

namespace quillix::test {
namespace {

QStringList Items(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items.append(box.itemText(i));
    return items;
}

class GoalSeekDialog : public ::testing::Test {
  protected:
    TUiEnvironment env;

    GoalSeekDialog() { DefineLoan(env.Vars()); }

    // Fills the dialog in and presses Solve.
    static void Ask(Tfrm_GoalSeek& dialog, const QString& output, const QString& target,
                    const QString& input) {
        dialog.OutputBox()->setCurrentText(output);
        dialog.TargetEdit()->clear();
        QTest::keyClicks(dialog.TargetEdit(), target);
        dialog.InputBox()->setCurrentText(input);
        QTest::mouseClick(dialog.SolveButton(), Qt::LeftButton);
    }
};

TEST_F(GoalSeekDialog, OffersOnlyVariablesThatHoldAPlainNumberToChange) {
    Tfrm_GoalSeek dialog(env.Vars(), "Years");
    EXPECT_EQ(Items(*dialog.InputBox()), QStringList({"Principal", "Rate", "Years"}));
    EXPECT_EQ(dialog.InputBox()->currentText(), "Years");  // the caller's choice first
    EXPECT_EQ(Items(*dialog.OutputBox()),
              QStringList({"Principal", "Rate", "Years", "Months", "Payment", "Total"}));
    EXPECT_EQ(dialog.OutputBox()->currentText(), "Payment");  // the output role first
    // A variable with a formula cannot be the one to change.
    Tfrm_GoalSeek other(env.Vars(), "Months");
    EXPECT_EQ(other.InputBox()->currentText(), "Principal");
}

TEST_F(GoalSeekDialog, ApplySetsTheAnswerAsOneUndoStep) {
    TUndoHistory history(env.Vars());
    Tfrm_GoalSeek dialog(env.Vars());
    dialog.show();
    Ask(dialog, "Payment", "-1500", "Rate");
    ASSERT_TRUE(dialog.ApplyButton()->isEnabled()) << dialog.AnswerLabel()->text().toStdString();
    EXPECT_TRUE(dialog.AnswerLabel()->text().startsWith("Found: Rate = "))
        << dialog.AnswerLabel()->text().toStdString();
    EXPECT_EQ(env.Vars().GetValue("Rate")->Number(), 0.06L);  // nothing changed yet
    EXPECT_FALSE(history.CanUndo());

    QTest::mouseClick(dialog.ApplyButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const long double expected = 12 * funcs::InterestRate(360, -1500, 200000, 0, 0);
    EXPECT_NEAR(static_cast<double>(env.Vars().GetValue("Rate")->Number()),
                static_cast<double>(expected), 1e-12);
    EXPECT_NEAR(static_cast<double>(env.Vars().GetValue("Payment")->Number()), -1500, 1e-8);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(env.Vars().GetValue("Rate")->Number(), 0.06L);
    EXPECT_FALSE(history.CanUndo()) << "Apply made more than one step";
}

TEST_F(GoalSeekDialog, CancelAfterAnAnswerLeavesTheDocumentAsItWas) {
    TUndoHistory history(env.Vars());
    TDocumentWatch watch(env.Vars());
    Tfrm_GoalSeek dialog(env.Vars());
    dialog.show();
    Ask(dialog, "Total", "-500000", "Years");
    ASSERT_TRUE(dialog.Answer() && dialog.Answer()->Found);
    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(watch.Unchanged()) << watch.Events() << " events";
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(GoalSeekDialog, WithoutAnAnswerTheReasonShowsAndApplyStaysOff) {
    Define(env.Vars(), "X", "1");
    Define(env.Vars(), "Square", "X^2");
    TDocumentWatch watch(env.Vars());
    Tfrm_GoalSeek dialog(env.Vars());
    const struct {
        QString output, target, input, shown;
    } rows[] = {
        {"Square", "-1", "X", "No answer: "},  // never below zero
        {"Square", "abc", "X", "\"To value\" must be a number."},
        {"Square", "", "X", "\"To value\" must be a number."},
    };
    for (const auto& row : rows) {
        Ask(dialog, row.output, row.target, row.input);
        EXPECT_TRUE(dialog.AnswerLabel()->text().startsWith(row.shown))
            << dialog.AnswerLabel()->text().toStdString();
        EXPECT_FALSE(dialog.ApplyButton()->isEnabled()) << row.target.toStdString();
    }
    EXPECT_TRUE(watch.Unchanged());
}

TEST_F(GoalSeekDialog, ChangingTheQuestionTakesTheAnswerAway) {
    Tfrm_GoalSeek dialog(env.Vars());
    dialog.show();
    Ask(dialog, "Payment", "-1500", "Rate");
    ASSERT_TRUE(dialog.ApplyButton()->isEnabled());
    QTest::keyClick(dialog.TargetEdit(), Qt::Key_0);  // now -15000
    EXPECT_FALSE(dialog.ApplyButton()->isEnabled());
    EXPECT_FALSE(dialog.Answer());
    // Apply of a stale answer (no answer) changes nothing.
    dialog.Apply();
    EXPECT_EQ(env.Vars().GetValue("Rate")->Number(), 0.06L);
}

}  // namespace
}  // namespace quillix::test
