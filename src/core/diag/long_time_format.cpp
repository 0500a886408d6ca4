#include "diag/long_time_format.h"

#include <utility>

namespace quillix {

namespace {

std::string StrftimeLongTime(const std::tm& time) {
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%X", &time);
    return std::string(buffer, length);
}

TimeFormatter& InstalledFormatter() {
    static TimeFormatter formatter;
    return formatter;
}

}  // namespace

void SetLongTimeFormatter(TimeFormatter formatter) {
    InstalledFormatter() = std::move(formatter);
}

std::string FormatLongTime(const std::tm& time) {
    const TimeFormatter& formatter = InstalledFormatter();
    return formatter ? formatter(time) : StrftimeLongTime(time);
}

std::tm LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace quillix
