// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatif_windows/range_fields.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "common/number_text.h"
#include "common/untrusted_text.h"
#include "tools/tool_fields.h"

namespace quillix {

namespace {

// The digits the field reads back exactly.
QString Stored(long double number) {
    return QString::fromStdString(FormatFloatStored(number));
}

}  // namespace

TRangeFields::TRangeFields(const QString& name, QWidget* parent) : QWidget(parent) {
    stepsChoice_ = new QRadioButton(QStringLiteral("Fro&m"), this);
    stepsChoice_->setAccessibleName(name + QStringLiteral(" range from"));
    stepsChoice_->setChecked(true);
    start_ = new QLineEdit(this);
    start_->setAccessibleName(name + QStringLiteral(" from"));
    stop_ = new QLineEdit(this);
    stop_->setAccessibleName(name + QStringLiteral(" to"));
    steps_ = new QSpinBox(this);
    steps_->setRange(kMinRangeSteps, kMaxRangeSteps);
    steps_->setValue(11);
    steps_->setAccessibleName(name + QStringLiteral(" steps"));
    geometric_ = new QCheckBox(QStringLiteral("&Geometric"), this);
    geometric_->setAccessibleName(name + QStringLiteral(" geometric steps"));
    listChoice_ = new QRadioButton(QStringLiteral("&List"), this);
    listChoice_->setAccessibleName(name + QStringLiteral(" list of values"));
    list_ = new QLineEdit(this);
    list_->setPlaceholderText(QStringLiteral("4, 4.5, 5, 6"));
    list_->setAccessibleName(name + QStringLiteral(" values"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(stepsChoice_, 0, 0);
    grid->addWidget(start_, 0, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("t&o"), stop_, this), 0, 2);
    grid->addWidget(stop_, 0, 3);
    grid->addWidget(BuddyLabel(QStringLiteral("Ste&ps:"), steps_, this), 1, 0);
    grid->addWidget(steps_, 1, 1);
    grid->addWidget(geometric_, 1, 2, 1, 2);
    grid->addWidget(listChoice_, 2, 0);
    grid->addWidget(list_, 2, 1, 1, 3);
    connect(stepsChoice_, &QRadioButton::toggled, this, &TRangeFields::FollowChoice);
    FollowChoice();
}

void TRangeFields::FollowChoice() {
    const bool steps = stepsChoice_->isChecked();
    for (QWidget* field : {static_cast<QWidget*>(start_), static_cast<QWidget*>(stop_),
                           static_cast<QWidget*>(steps_), static_cast<QWidget*>(geometric_)})
        field->setEnabled(steps);
    list_->setEnabled(!steps);
}

TRangeReading TRangeFields::Reading() const {
    if (listChoice_->isChecked()) {
        QString text = list_->text();
        text.remove(QLatin1Char(' '));
        if (text.contains(QLatin1Char(':')))
            return {std::nullopt, "a list holds values separated by commas"};
        return ReadRange(text.toStdString());
    }
    TWhatIfRange range;
    const std::pair<QLineEdit*, long double*> ends[] = {{start_, &range.Start},
                                                        {stop_, &range.Stop}};
    for (const auto& [edit, end] : ends) {
        const std::optional<long double> number =
            ParseDecimal(edit->text().trimmed().toStdString());
        if (!number)
            return {std::nullopt,
                    "'" + VisibleText(edit->text().toStdString()) + "' is not a number"};
        *end = *number;
    }
    range.Steps = steps_->value();
    range.Spacing = geometric_->isChecked() ? TRangeSpacing::kGeometric : TRangeSpacing::kLinear;
    TRangeReading reading;
    reading.problem = RangeProblem(range);
    if (reading.problem.empty()) reading.range = range;
    return reading;
}

void TRangeFields::SetSteps(long double start, long double stop, int steps, bool geometric) {
    stepsChoice_->setChecked(true);
    start_->setText(Stored(start));
    stop_->setText(Stored(stop));
    steps_->setValue(steps);
    geometric_->setChecked(geometric);
}

void TRangeFields::SetList(const QString& list) {
    listChoice_->setChecked(true);
    list_->setText(list);
}

}  // namespace quillix
