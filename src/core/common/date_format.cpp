// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/date_format.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <optional>

#include "common/number_text.h"

namespace quillix {

namespace {

std::string Strftime(const char* format, const std::tm& tm) {
    char buffer[128];
    const std::size_t n = std::strftime(buffer, sizeof buffer, format, &tm);
    return std::string(buffer, n);
}

std::string FormatWithCLocale(const CivilDate& date) {
    std::tm tm{};
    tm.tm_year = date.year - 1900;
    tm.tm_mon = date.month - 1;
    tm.tm_mday = date.day;
    tm.tm_wday = IsoWeekday(DayNumberFromCivil(date.year, date.month, date.day)) % 7;
    const std::string text = Strftime("%x", tm);
    return text.empty() ? FormatIsoDate(date) : text;
}

// One replaceable formatter per kind of text.
template <class Formatter>
Formatter& Installed() {
    static Formatter formatter;
    return formatter;
}

}  // namespace

void SetShortDateFormatter(DateFormatter formatter) {
    Installed<DateFormatter>() = std::move(formatter);
}

std::string FormatShortDate(const CivilDate& date) {
    const DateFormatter& formatter = Installed<DateFormatter>();
    return formatter ? formatter(date) : FormatWithCLocale(date);
}

std::string FormatShortDateOfDay(long double dayNumber) {
    const std::optional<CivilDate> date = DateOfDayNumber(dayNumber);
    if (!date) return FormatFloatGeneral(std::trunc(dayNumber), 18, 0);
    return FormatShortDate(*date);
}

void SetLongTimeFormatter(TimeFormatter formatter) {
    Installed<TimeFormatter>() = std::move(formatter);
}

std::string FormatLongTime(const std::tm& time) {
    const TimeFormatter& formatter = Installed<TimeFormatter>();
    return formatter ? formatter(time) : Strftime("%X", time);
}

std::tm LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string FormatIsoDate(const CivilDate& date) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
    return buffer;
}

}  // namespace quillix
