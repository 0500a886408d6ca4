#pragma once
// The user's long time format, as the diagnostic log stamps its lines. The core
// knows no locale of its own: the user interface installs a formatter from the
// system locale, tests install a fixed one, and the default is the C library's
// "%X" of strftime.

#include <ctime>
#include <functional>
#include <string>

namespace quillix {

using TimeFormatter = std::function<std::string(const std::tm&)>;

// Installs a formatter; an empty one restores the default.
void SetLongTimeFormatter(TimeFormatter formatter);

std::string FormatLongTime(const std::tm& time);

// The local time now, for the formatters.
std::tm LocalTimeNow();

}  // namespace quillix
