// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatif_windows/goal_seek_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/number_text.h"
#include "launchers.h"
#include "model/calc_value_warper.h"
#include "model/calc_vars_intf.h"
#include "platform/dialog_driver.h"
#include "platform/help_topics.h"
#include "platform/user_prompts.h"
#include "tools/tool_fields.h"
#include "vars/edit_group.h"
#include "whatif_windows/variable_choices.h"

namespace quillix {

namespace {

QString Plain(const TWhatIfCell& cell) {
    return QString::fromStdString(cell.PlainText());
}

QString Plain(long double number) {
    return Plain(TWhatIfCell::OfNumber(number));
}

}  // namespace

Tfrm_GoalSeek::Tfrm_GoalSeek(ICalcVarsBase& vars, const std::string& input, QWidget* parent)
    : QDialog(parent), vars_(vars) {
    setWindowTitle(QStringLiteral("Goal Seek"));
    output_ = new QComboBox(this);
    output_->addItems(OutputChoices(vars));
    output_->setCurrentIndex(std::max(0, output_->findText(FirstOutputRole(vars))));
    output_->setAccessibleName(QStringLiteral("Set variable"));
    target_ = new QLineEdit(this);
    target_->setAccessibleName(QStringLiteral("To value"));
    input_ = new QComboBox(this);
    input_->addItems(InputChoices(vars));
    input_->setCurrentIndex(std::max(0, input_->findText(QString::fromStdString(input))));
    input_->setAccessibleName(QStringLiteral("By changing"));

    answerLabel_ = new QLabel(this);
    answerLabel_->setWordWrap(true);
    answerLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    answerLabel_->setAccessibleName(QStringLiteral("Answer"));
    answerLabel_->setMinimumWidth(fontMetrics().averageCharWidth() * 50);

    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(QStringLiteral("&Set variable:"), output_, this), output_);
    form->addRow(BuddyLabel(QStringLiteral("&To value:"), target_, this), target_);
    form->addRow(BuddyLabel(QStringLiteral("&By changing:"), input_, this), input_);

    // Solve first: it is what the user does before anything else.
    solve_ = new QPushButton(QStringLiteral("S&olve"), this);
    apply_ = new QPushButton(QStringLiteral("&Apply"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    help_ = TopicHelpButton(this, kHelpGoalSeek);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(solve_);
    buttons->addWidget(apply_);
    buttons->addStretch(1);
    buttons->addWidget(cancel_);
    buttons->addWidget(help_);
    solve_->setDefault(true);
    apply_->setEnabled(false);
    connect(solve_, &QPushButton::clicked, this, &Tfrm_GoalSeek::Solve);
    connect(apply_, &QPushButton::clicked, this, &Tfrm_GoalSeek::Apply);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(output_, &QComboBox::currentIndexChanged, this, &Tfrm_GoalSeek::Forget);
    connect(input_, &QComboBox::currentIndexChanged, this, &Tfrm_GoalSeek::Forget);
    connect(target_, &QLineEdit::textEdited, this, &Tfrm_GoalSeek::Forget);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(answerLabel_, 1);
    layout->addLayout(buttons);
    if (input_->count() == 0) {
        answerLabel_->setText(
            QStringLiteral("No variable holds a plain number that could be changed."));
        solve_->setEnabled(false);
    }
}

void Tfrm_GoalSeek::Forget() {
    answer_.reset();
    apply_->setEnabled(false);
    answerLabel_->clear();
}

void Tfrm_GoalSeek::Solve() {
    Forget();
    const std::optional<long double> target = ParseDecimal(target_->text().trimmed().toStdString());
    if (!target) {
        answerLabel_->setText(QStringLiteral("\"To value\" must be a number."));
        target_->setFocus();
        return;
    }
    TGoalSeekRequest request;
    request.Output = output_->currentText().toStdString();
    request.Target = *target;
    request.Input = input_->currentText().toStdString();
    try {
        answer_ = GoalSeek(vars_, request);
    } catch (const WhatIfRefused& refused) {
        answerLabel_->setText(QString::fromStdString(refused.what()));
        return;
    }
    answerLabel_->setText(AnswerText(*answer_));
    apply_->setEnabled(answer_->Found);
}

QString Tfrm_GoalSeek::AnswerText(const TGoalSeekAnswer& answer) const {
    const QString point =
        QStringLiteral("%1 = %2 gives %3 = %4")
            .arg(QString::fromStdString(answer.Input), Plain(answer.InputValue),
                 QString::fromStdString(answer.Output), Plain(answer.OutputValue));
    if (answer.Found)
        return QStringLiteral("Found: %1 (%2 evaluations).").arg(point).arg(answer.Evaluations);
    return QStringLiteral("No answer: %1.\nThe closest point tried: %2.")
        .arg(QString::fromStdString(answer.Reason), point);
}

void Tfrm_GoalSeek::Apply() {
    if (!answer_ || !answer_->Found) return;
    bool applied = false;
    {
        const TEditGroup step(&vars_, "Goal Seek");
        applied = ApplyGoalSeekAnswer(vars_, answer_->Input, answer_->InputValue);
    }
    if (!applied) {
        Prompts().ShowError(this, QStringLiteral("%1 can no longer take a number.")
                                      .arg(QString::fromStdString(answer_->Input)));
        return;
    }
    accept();
}

void RunGoalSeekOn(QWidget* parent, ICalcVarsBase& document, const std::string& input) {
    Tfrm_GoalSeek dialog(document, input, parent);
    ExecDialog(dialog);
}

void RunGoalSeek(QWidget* parent) {
    if (ICalcVars* document = CalcVarsIntf()) RunGoalSeekOn(parent, *document, {});
}

}  // namespace quillix
