// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_GoalSeek: "Goal Seek..." over the program document. The user names the
// output ("Set variable"), its target ("To value") and the input that may
// change ("By changing", only variables that can take a number are offered);
// "Solve" asks the core's goal seek, which leaves the document as it was, and
// shows the answer or why there is none. "Apply" gives the input the answer
// as one change (one undo step); Cancel leaves everything as it was.

#include <QDialog>
#include <optional>
#include <string>

#include "whatif/goal_seek.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillix {

class ICalcVarsBase;

class Tfrm_GoalSeek : public QDialog {
    Q_OBJECT
  public:
    // input: the variable to offer first under "By changing", if it can serve.
    Tfrm_GoalSeek(ICalcVarsBase& vars, const std::string& input = {}, QWidget* parent = nullptr);

    QComboBox* OutputBox() const { return output_; }
    QLineEdit* TargetEdit() const { return target_; }
    QComboBox* InputBox() const { return input_; }
    QLabel* AnswerLabel() const { return answerLabel_; }
    QPushButton* SolveButton() const { return solve_; }
    QPushButton* ApplyButton() const { return apply_; }
    QPushButton* CancelButton() const { return cancel_; }
    const std::optional<TGoalSeekAnswer>& Answer() const { return answer_; }

    // What "Solve" does: asks the core and shows the outcome.
    void Solve();
    // What "Apply" does: the input takes the answer, and the dialog closes.
    void Apply();

  private:
    void Forget();  // a changed question makes the last answer stale
    QString AnswerText(const TGoalSeekAnswer& answer) const;

    ICalcVarsBase& vars_;
    QComboBox* output_ = nullptr;
    QLineEdit* target_ = nullptr;
    QComboBox* input_ = nullptr;
    QLabel* answerLabel_ = nullptr;
    QPushButton* solve_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
    std::optional<TGoalSeekAnswer> answer_;
};

}  // namespace quillix
