// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keypad's indicator of the fixed format. In fixed format every number is
// shown, and read by calculations, at the shown decimals, which silently
// changes results; the indicator and its hint say so while it is on.

#include <string>

#include "model/value_format.h"

namespace quillix {

// "FIX 4" while the record formats numbers with 4 fixed decimals; empty in
// the general format.
std::string FixedFormatIndicator(const TValueFormatRecord& record);

// The indicator's hint (and its text for a screen reader): what the fixed
// format does to calculations; empty in the general format.
std::string FixedFormatHint(const TValueFormatRecord& record);

}  // namespace quillix
