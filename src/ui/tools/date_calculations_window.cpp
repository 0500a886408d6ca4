// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/date_calculations_window.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "drop_down/calc_drop_down.h"
#include "launchers.h"
#include "platform/dialog_driver.h"
#include "platform/help_topics.h"
#include "tools/date_calculations.h"
#include "tools/date_fields.h"
#include "tools/tool_fields.h"

namespace quillix {
namespace {

QLineEdit* AnswerField(QWidget* parent, const QString& accessibleName) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setAccessibleName(accessibleName);
    return field;
}

QString WholeNumber(std::int64_t number) {
    return QString::number(number);
}

}  // namespace

Tfrm_DateCalculations::Tfrm_DateCalculations(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Date Calculations"));
    pages_ = new QTabWidget(this);
    pages_->addTab(BuildOneDatePage(), QStringLiteral("One Date"));
    pages_->addTab(BuildTwoDatesPage(), QStringLiteral("Two Dates"));

    close_ = new QPushButton(QStringLiteral("&Close"), this);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    help_ = TopicHelpButton(this, kHelpDateCalculations);
    LayOutToolWindow(*this, pages_, {}, {close_, help_});
}

QWidget* Tfrm_DateCalculations::BuildOneDatePage() {
    auto* page = new QWidget(pages_);
    oneDate_ = DateField(page, QStringLiteral("Date"));
    dateButton_ = new QPushButton(QStringLiteral("Date"), page);
    dateButton_->setAccessibleDescription(QStringLiteral("Tells the facts of the date"));
    connect(dateButton_, &QPushButton::clicked, this, &Tfrm_DateCalculations::ShowOneDate);
    dayOfYear_ = AnswerField(page, QStringLiteral("Day of year"));
    weekOfYear_ = AnswerField(page, QStringLiteral("Week of year"));
    daysInMonth_ = AnswerField(page, QStringLiteral("Days in month"));
    leapYear_ = AnswerField(page, QStringLiteral("Leap year"));

    auto* date = new QHBoxLayout;
    date->addWidget(oneDate_, 1);
    date->addWidget(dateButton_);
    auto* answers = new QFormLayout;
    answers->addRow(BuddyLabel(QStringLiteral("Day of year:"), dayOfYear_, page), dayOfYear_);
    answers->addRow(BuddyLabel(QStringLiteral("Week of year:"), weekOfYear_, page), weekOfYear_);
    answers->addRow(BuddyLabel(QStringLiteral("Days in month:"), daysInMonth_, page), daysInMonth_);
    answers->addRow(BuddyLabel(QStringLiteral("Leap year:"), leapYear_, page), leapYear_);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(date);
    layout->addLayout(answers);
    layout->addStretch(1);
    return page;
}

QWidget* Tfrm_DateCalculations::BuildTwoDatesPage() {
    auto* page = new QWidget(pages_);
    beginning_ = DateField(page, QStringLiteral("Beginning date"));
    beginningButton_ = new QPushButton(QStringLiteral("Beginning Date"), page);
    beginningButton_->setAccessibleDescription(
        QStringLiteral("The ending date less the day count"));
    ending_ = DateField(page, QStringLiteral("Ending date"));
    endingButton_ = new QPushButton(QStringLiteral("Ending Date"), page);
    endingButton_->setAccessibleDescription(
        QStringLiteral("The beginning date plus the day count"));
    dayCount_ = NumberBox(page, QStringLiteral("Day count"));
    betweenButton_ = new QPushButton(QStringLiteral("Days Between Dates"), page);
    betweenButton_->setAccessibleDescription(
        QStringLiteral("Counts the days from the beginning date to the ending date"));
    connect(beginningButton_, &QPushButton::clicked, this,
            &Tfrm_DateCalculations::FindBeginningDate);
    connect(endingButton_, &QPushButton::clicked, this, &Tfrm_DateCalculations::FindEndingDate);
    connect(betweenButton_, &QPushButton::clicked, this, &Tfrm_DateCalculations::CountDaysBetween);

    auto* group = new QGroupBox(QStringLiteral("Time between dates"), page);
    years_ = AnswerField(group, QStringLiteral("Years"));
    months_ = AnswerField(group, QStringLiteral("Months"));
    days_ = AnswerField(group, QStringLiteral("Days"));
    auto* parts = new QHBoxLayout(group);
    for (auto [field, caption] :
         {std::pair{years_, "years"}, std::pair{months_, "months"}, std::pair{days_, "days"}}) {
        parts->addWidget(field, 1);
        parts->addWidget(BuddyLabel(QString::fromUtf8(caption), field, group));
    }

    auto* grid = new QGridLayout;
    grid->addWidget(beginning_, 0, 0);
    grid->addWidget(beginningButton_, 0, 1);
    grid->addWidget(ending_, 1, 0);
    grid->addWidget(endingButton_, 1, 1);
    grid->addWidget(dayCount_, 2, 0);
    grid->addWidget(betweenButton_, 2, 1);
    grid->setColumnStretch(0, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addWidget(group);
    layout->addStretch(1);
    return page;
}

void Tfrm_DateCalculations::ShowOneDate() {
    RunReportingFailure(this, [this] {
        const tools::TOneDateFacts facts = tools::OneDateFacts(DayNumberOfDate(oneDate_->date()));
        dayOfYear_->setText(WholeNumber(facts.dayOfYear));
        weekOfYear_->setText(WholeNumber(facts.weekOfYear));
        daysInMonth_->setText(WholeNumber(facts.daysInMonth));
        leapYear_->setText(QString::fromUtf8(tools::LeapYearText(facts.leapYear)));
    });
}

void Tfrm_DateCalculations::FindBeginningDate() {
    RunReportingFailure(this, [this] {
        const long double count = BoxNumber(*dayCount_);
        const long double day = tools::BeginningDate(DayNumberOfDate(ending_->date()), count);
        beginning_->setDate(DateOfDayNumberOrInvalid(day));
        ShowTimeBetween(day, count);
    });
}

void Tfrm_DateCalculations::FindEndingDate() {
    RunReportingFailure(this, [this] {
        const long double count = BoxNumber(*dayCount_);
        const long double day = tools::EndingDate(DayNumberOfDate(beginning_->date()), count);
        ending_->setDate(DateOfDayNumberOrInvalid(day));
        ShowTimeBetween(DayNumberOfDate(beginning_->date()), count);
    });
}

void Tfrm_DateCalculations::CountDaysBetween() {
    const long double beginning = DayNumberOfDate(beginning_->date());
    const long double count = tools::DaysBetweenDates(beginning, DayNumberOfDate(ending_->date()));
    dayCount_->AssignNumber(cvNumber, count);
    ShowTimeBetween(beginning, count);
}

void Tfrm_DateCalculations::ShowTimeBetween(long double beginningDate, long double dayCount) {
    const tools::TTimeBetween time = tools::TimeBetween(beginningDate, dayCount);
    years_->setText(WholeNumber(time.years));
    months_->setText(WholeNumber(time.months));
    days_->setText(WholeNumber(time.days));
}

void RunDateCalculations(QWidget* parent) {
    Tfrm_DateCalculations window(parent);
    ExecDialog(window);
}

}  // namespace quillix
