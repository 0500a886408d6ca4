// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modal dialogs for widget tests: every dialog that runs through ExecDialog is
// handed to the answer the test scripted next, which fills it in as a user
// would and gives the dialog's result. A dialog nobody scripted fails the test
// and is rejected, so no test waits on a dialog for ever. Nothing is shown
// and no event loop runs while a dialog is answered.

#include <gtest/gtest.h>

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <utility>

namespace quillix::test {

class TScriptedDialogs {
  public:
    // The answer to one dialog: QDialog::Accepted or QDialog::Rejected.
    using TAnswer = std::function<int(QDialog& dialog)>;

    // Installs itself as the dialog driver for its lifetime.
    TScriptedDialogs();
    ~TScriptedDialogs();
    TScriptedDialogs(const TScriptedDialogs&) = delete;
    TScriptedDialogs& operator=(const TScriptedDialogs&) = delete;

    void Script(TAnswer answer) { answers_.push_back(std::move(answer)); }
    // An answer for a dialog of class Dialog; a dialog of another class fails
    // the test and is rejected. answer(Dialog&) returns the result.
    template <class Dialog, class Answer>
    void ScriptFor(Answer answer) {
        Script([answer = std::move(answer)](QDialog& shown) -> int {
            auto* dialog = dynamic_cast<Dialog*>(&shown);
            EXPECT_NE(dialog, nullptr)
                << "another dialog came: \"" << shown.windowTitle().toStdString() << "\"";
            return dialog ? answer(*dialog) : static_cast<int>(QDialog::Rejected);
        });
    }

    // How many dialogs ran, scripted or not.
    int Shown() const { return shown_; }
    // True when every scripted answer was used.
    bool ScriptUsed() const { return answers_.empty(); }

  private:
    int Answer(QDialog& dialog);

    std::deque<TAnswer> answers_;
    int shown_ = 0;
};

}  // namespace quillix::test
