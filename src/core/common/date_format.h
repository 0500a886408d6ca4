// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's short date format (as the core shows dates) and long time format
// (as the diagnostic log stamps its lines). The core knows no locale of its own:
// the user interface installs formatters from the system locale, tests install
// fixed ones, and the defaults are the C library's "%x" and "%X".

#include <ctime>
#include <functional>
#include <string>

#include "common/calendar.h"

namespace quillix {

using DateFormatter = std::function<std::string(const CivilDate&)>;

// Installs a formatter; an empty one restores the default.
void SetShortDateFormatter(DateFormatter formatter);

std::string FormatShortDate(const CivilDate& date);

// The short date of a day number (truncated toward zero); a day outside the
// calendar's years, which has no date, as its whole day number.
std::string FormatShortDateOfDay(long double dayNumber);

// A fixed ISO form (yyyy-mm-dd), for tests and machine-readable output.
std::string FormatIsoDate(const CivilDate& date);

using TimeFormatter = std::function<std::string(const std::tm&)>;

// Installs a formatter; an empty one restores the default.
void SetLongTimeFormatter(TimeFormatter formatter);

std::string FormatLongTime(const std::tm& time);

// The local time now, for the formatters.
std::tm LocalTimeNow();

}  // namespace quillix
