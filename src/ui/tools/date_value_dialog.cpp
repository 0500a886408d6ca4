// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/date_value_dialog.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "common/calendar.h"
#include "launchers.h"
#include "platform/dialog_driver.h"
#include "tools/date_fields.h"

namespace quillix {

Tfrm_DateValue::Tfrm_DateValue(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Dialog"));
    calendar_ = new QCalendarWidget(this);
    calendar_->setDateRange(QDate(kMinDateYear, 1, 1), QDate(kMaxDateYear, 12, 31));
    calendar_->setSelectedDate(TodayDate());
    calendar_->setAccessibleName(QStringLiteral("Date to enter"));
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A double click (or Enter) on a day confirms it.
    connect(calendar_, &QCalendarWidget::activated, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_, 1);
    layout->addWidget(buttons_);
}

double Tfrm_DateValue::Day() const {
    return static_cast<double>(DayNumberOfDate(calendar_->selectedDate()));
}

bool RunDateValueDialog(QWidget* parent, double& day) {
    Tfrm_DateValue dialog(parent);
    if (ExecDialog(dialog) != QDialog::Accepted) return false;
    day = dialog.Day();
    return true;
}

}  // namespace quillix
