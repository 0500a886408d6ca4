#include "common/date_format.h"

#include <cstdio>
#include <ctime>

namespace quillix {

namespace {

std::string FormatWithCLocale(const CivilDate& date) {
    std::tm tm{};
    tm.tm_year = date.year - 1900;
    tm.tm_mon = date.month - 1;
    tm.tm_mday = date.day;
    tm.tm_wday = IsoWeekday(DayNumberFromCivil(date.year, date.month, date.day)) % 7;
    char buffer[128];
    const std::size_t n = std::strftime(buffer, sizeof buffer, "%x", &tm);
    if (n == 0) return FormatIsoDate(date);
    return std::string(buffer, n);
}

DateFormatter& CurrentFormatter() {
    static DateFormatter formatter;
    return formatter;
}

}  // namespace

void SetShortDateFormatter(DateFormatter formatter) {
    CurrentFormatter() = std::move(formatter);
}

std::string FormatShortDate(const CivilDate& date) {
    const DateFormatter& formatter = CurrentFormatter();
    return formatter ? formatter(date) : FormatWithCLocale(date);
}

std::string FormatIsoDate(const CivilDate& date) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
    return buffer;
}

}  // namespace quillix
