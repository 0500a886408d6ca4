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

// What choosing a number of decimals does, for the hints of the controls that
// choose it ("Significant Digits", "Decimal places").
inline constexpr const char* kFixedDecimalsRule =
    "A number of decimals applies to the whole calculator: every number is shown with them, "
    "and calculations read every number rounded to them. Default shows and uses all digits.";

}  // namespace quillix
