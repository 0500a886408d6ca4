// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/date_fields.h"

#include <QDateEdit>
#include <QLocale>

#include "common/calendar.h"
#include "functions/func_date.h"
#include "tools/typed_date_edit.h"

namespace quillix {

long double DayNumberOfDate(const QDate& date) {
    return static_cast<long double>(DayNumberFromCivil(date.year(), date.month(), date.day()));
}

QDate DateOfDayNumberOrInvalid(long double day) {
    const std::optional<CivilDate> civil = DateOfDayNumber(day);
    return civil ? QDate(civil->year, civil->month, civil->day) : QDate();
}

QDate TodayDate() {
    return DateOfDayNumberOrInvalid(funcs::Today());
}

QDateEdit* DateField(QWidget* parent, const QString& accessibleName) {
    auto* field = new TTypedDateEdit(parent);
    field->setCalendarPopup(true);
    field->setDateRange(QDate(kMinDateYear, 1, 1), QDate(kMaxDateYear, 12, 31));
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    field->setDisplayFormat(format);
    field->setDate(TodayDate());
    field->setAccessibleName(accessibleName);
    return field;
}

}  // namespace quillix
