#pragma once
// The user's short date format, as the core shows dates. The core knows no locale
// of its own: the user interface installs a formatter from the system locale,
// tests install a fixed one, and the default uses the C library's locale ("%x").

#include <functional>
#include <string>

#include "common/calendar.h"

namespace quillix {

using DateFormatter = std::function<std::string(const CivilDate&)>;

// Installs a formatter; an empty one restores the default.
void SetShortDateFormatter(DateFormatter formatter);

std::string FormatShortDate(const CivilDate& date);

// A fixed ISO form (yyyy-mm-dd), for tests and machine-readable output.
std::string FormatIsoDate(const CivilDate& date);

}  // namespace quillix
